# Script-mode tests of the real windows.
