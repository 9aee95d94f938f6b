#pragma once

// Every message text of the program that is not a report line, in one place.
namespace dravik::texts {

// Runtime failures.
inline constexpr const char* kDivisionByZero = "Floating point division by zero";
inline constexpr const char* kInvalidFloatOperation = "Invalid floating point operation";
inline constexpr const char* kRangeCheck = "Range check error";
inline constexpr const char* kReadBeyondEnd = "Read beyond end of file";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kFileAccessDenied = "File access denied";
inline constexpr const char* kDiskFull = "Disk full";

// Conversion errors; %1 is the field's text as it then stands.
inline constexpr const char* kNotFloat = "'%1' is not a valid floating point value";
inline constexpr const char* kNotInteger = "'%1' is not a valid integer value";

// Refused inputs.
inline constexpr const char* kChooseSteel = "Choose a steel grade";
inline constexpr const char* kInductionStep = "Increment induction must be greater than 0";
inline constexpr const char* kTapSteps = "Number of tap steps must be 0..9";
inline constexpr const char* kTapStepNegative = "Step control. Uhv must not be negative";
inline constexpr const char* kLayersAtLeastOne = "Number of layers must be at least 1";
inline constexpr const char* kLayingCoefficient = "Laying coefficient must be greater than 0";
inline constexpr const char* kAngleRange = "Angle must be 0..60 degrees";
inline constexpr const char* kCurvePoints = "Each curve needs at least two points with different inductions";
inline constexpr const char* kChooseStoredSteel = "Choose a stored steel to edit";
inline constexpr const char* kWireTableFull = "The wire table is full (5000 wires)";
inline constexpr const char* kSteelTableFull = "At most 103 stored steels";
inline constexpr const char* kTooManySteels = "Stal.dat holds %1 steels; only the first 103 are used";
inline constexpr const char* kUnstorableName = "The name contains characters that cannot be stored: %1";
inline constexpr const char* kStage1Changed =
    "The Stage I inputs have changed: repeat the calculation of the magnetic circuit";
// %1 the field's caption, %2 the accepted range in words, %3 the text as read.
inline constexpr const char* kOutOfRange = "%1 must be %2: %3";

// Catalogue files; %1 a path, %2 the system's reason or a count.
inline constexpr const char* kShippedCopyFailed = "Cannot copy the shipped wire catalogue to %1: %2";
inline constexpr const char* kImplausibleRecords = "%1: %2 records are not plausible and were left out";

// Workbook import of steel curves; %1 is the workbook's path, %2 a sheet name.
inline constexpr const char* kWorkbookNotFound = "File not found: %1";
inline constexpr const char* kWorkbookAccessDenied = "File access denied: %1";
inline constexpr const char* kWorkbookUnreadable = "%1 is damaged or is not an .xlsx or .ods workbook";
inline constexpr const char* kWorkbookNoSheet = "The workbook %1 has no sheet \"%2\"";
inline constexpr const char* kWorkbookTooBig = "The workbook %1 is too big to be read";

// Design files. %1 is the file; a problem at a line is written as
// kDesignLineProblem with %2 the line number and %3 what is wrong there.
inline constexpr const char* kDesignLineProblem = "%1, line %2: %3";
inline constexpr const char* kDesignNotOpened = "Cannot open the design %1: %2";
inline constexpr const char* kDesignNotSaved = "Cannot save the design %1: %2";
inline constexpr const char* kDesignNotText = "this is not text";
inline constexpr const char* kDesignForeign = "this is not a Dravik design (it must start with \"# Dravik <version> design\")";
inline constexpr const char* kDesignIncomplete = "the design ends here without \"# end of design\": the file is incomplete";
inline constexpr const char* kDesignNoAction = "\"%1\" is not an action a design can hold";
// %3 the line that would change a catalogue.
inline constexpr const char* kDesignChangesCatalogues =
    "%1, line %2: the design changes a catalogue (%3); it is opened only with --allow-catalogue-changes";
// %1 the catalogue files that differ, %2 the design.
inline constexpr const char* kCataloguesDiffer =
    "%1 differs from the one the design %2 was made with: results may differ because the catalogues changed";

// Questions of the desktop; %1 the design, %2 the lines that would change a catalogue.
inline constexpr const char* kUnsavedChanges = "The design %1 has changes that are not saved. Save them?";
inline constexpr const char* kCatalogueQuestion =
    "The design %1 adds, changes or removes wires or steels in the catalogues:\n%2\n\n"
    "Make these changes to the catalogues, or open the design without them?";

// Reports; %1 is the report's file, %2 the system's reason.
inline constexpr const char* kReportNotWritten = "Cannot write the report %1: %2";
inline constexpr const char* kReportFormat = "Cannot write the report %1: a report is a .pdf, .html or .txt file";

// Confirmations.
inline constexpr const char* kStage1Copied = "Отчет по расчету магнитопровода скопирован в буфер обмена";
inline constexpr const char* kStage2Copied = "Report on the calculation of winding copied to clipboard";
inline constexpr const char* kShortCircuitCopied = "Short-circuit check copied to clipboard";

}  // namespace dravik::texts
