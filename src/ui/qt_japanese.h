// Qt's own Japanese translation (qtbase_ja from Debian's qt6-translations-l10n), so the file
// dialog, its buttons and the message box's OK speak the program's language.
#pragma once

// Loads and installs the translation for the rest of the process; false, after a note on
// standard error, when it cannot be found (the dialogs then stay in English).
bool InstallQtJapanese();
