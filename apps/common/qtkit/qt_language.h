// Qt's own texts (the standard buttons of message boxes and dialogs, the file
// dialogs) in the language the suite's texts use. Made right after the
// application object and kept for its life.
#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace harwick::qtkit {

class QtOwnTexts {
public:
    explicit QtOwnTexts(QCoreApplication& application);
    QtOwnTexts(const QtOwnTexts&) = delete;
    QtOwnTexts& operator=(const QtOwnTexts&) = delete;

    // Whether Qt's catalogue for the language was found; Qt then speaks it.
    bool Loaded() const { return loaded_; }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

} // namespace harwick::qtkit
