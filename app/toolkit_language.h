#pragma once

class QTranslator;

// The toolkit's own windows (the file dialog of the PDF save, the standard buttons and menus of
// its widgets) speak Japanese, as the clock does, whatever the system's language: Qt's Japanese
// catalogue is installed into the running application from the system's Qt where it has one
// (Debian's qt6-translations-l10n), else from the copy compiled into the program (Windows, whose
// Qt carries none). Gives the translator installed, owned by the application, or nothing when
// neither catalogue is there: the toolkit's windows then stay in English.
QTranslator* SpeakJapaneseInToolkitWindows();
