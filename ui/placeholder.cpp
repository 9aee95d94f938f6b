namespace dravik { int uiPlaceholder() { return 0; } }
