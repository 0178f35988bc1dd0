// Control ids of the dialogs, shared by the windows and their tests.
#pragma once

namespace vexo::forms {

enum OptionsControl : int {
    kOptionsTextBefore = 101,
    kOptionsPrefix,
    kOptionsSep,
    kOptionsTextAfter,
    kOptionsCounter,
    kOptionsPadding,
    kOptionsLeadingText,
    kOptionsPreview,
    kOptionsOk,
    kOptionsPreviewButton,
    kOptionsHeadingText,
    kOptionsLabelTextBefore,
    kOptionsLabelPrefix,
    kOptionsLabelSep,
    kOptionsLabelTextAfter,
    kOptionsHeadingCounter,
    kOptionsLabelCounter,
    kOptionsLabelPadding,
    kOptionsLabelPreview,
    // the cancel button is IDCANCEL
};

enum LogfileControl : int {
    kLogfileList = 201,
    kLogfileFirst,
    kLogfilePrior,
    kLogfileNext,
    kLogfileLast,
    // "Schließen" is IDCANCEL
};

enum InfoPathControl : int {
    kInfoPathNameSpace = 301,
    kInfoPathPath,
    kInfoPathLabelNameSpace,
    kInfoPathSampleNameSpace,
    kInfoPathLabelPath,
    kInfoPathSamplePath,
    // "Speichern" is IDOK, "Abbrechen" IDCANCEL
};

enum AboutControl : int {
    kAboutTitle = 401,
    kAboutPurpose,
    kAboutLabelVersion,
    kAboutVersion,
    kAboutLabelRevision,
    kAboutRevision,
    kAboutNotes,
    kAboutContact,
    kAboutLink,
    // "Schließen" is IDCANCEL
};

}  // namespace vexo::forms
