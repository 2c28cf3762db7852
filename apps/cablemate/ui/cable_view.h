// CCablemateView: the editor that fills the window. The document's bytes
// are kept as they are, so that text received or opened is saved back
// unchanged; the editor shows them (UTF-8 when they are UTF-8, otherwise
// byte for byte) with its own line ends, and what the user types comes back
// with CR LF line ends, as the instrument's text has them.
//
// Transfers drive it from their worker threads through the Editor
// interface; every widget change is carried over to the window's thread.
#pragma once

#include "transfer_state.h"
#include "ui_mailbox.h"

#include <QPlainTextEdit>

#include <mutex>
#include <string>

namespace cablemate {

class CCablemateView : public QPlainTextEdit, public Editor {
public:
    explicit CCablemateView(QWidget* parent = nullptr);

    // Editor, from any thread.
    std::string Text() override;
    void Show(std::string text) override;
    void SetBusy(bool busy) override;

    // On the window's thread: the document's bytes, and whether a transfer
    // holds the editor.
    std::string Bytes();
    void SetBytes(std::string bytes);
    bool Busy() const { return busy_; }
    // The way from the workers to the window's thread.
    UiMailbox& Mailbox() { return mailbox_; }

private:
    void ShowNow(std::string text);
    void SetBusyNow(bool busy);
    void TakeUserEdits();

    UiMailbox mailbox_;
    std::string bytes_;
    bool utf8_ = true;
    bool edited_ = false;
    bool busy_ = false;
    bool setting_ = false;
};

// How the editor shows bytes and gives back what the user typed.
struct EditorText {
    QString shown;
    bool utf8 = true;
};
EditorText DecodeForEditor(const std::string& bytes);
std::string EncodeFromEditor(const QString& text, bool utf8);

} // namespace cablemate
