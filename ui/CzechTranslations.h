#pragma once
// The toolkit's own texts in Czech (the print dialog, the file dialog, the buttons of a box),
// whatever the locale of the system: the window speaks only Czech.

class QCoreApplication;

namespace platomer {

// Loads the toolkit's Czech translations (package qt6-translations-l10n) into the application;
// false when they are not installed, and the toolkit keeps its English.
bool installCzechTranslations(QCoreApplication& app);

}  // namespace platomer
