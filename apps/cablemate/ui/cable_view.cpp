#include "cable_view.h"

#include <QScrollBar>
#include <QStringDecoder>
#include <QTextCursor>

namespace cablemate {

EditorText DecodeForEditor(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return {std::move(text), true};
    return {QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())), false};
}

std::string EncodeFromEditor(const QString& text, bool utf8) {
    QString withCrLf = text;
    withCrLf.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = utf8 ? withCrLf.toUtf8() : withCrLf.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

CCablemateView::CCablemateView(QWidget* parent) : QPlainTextEdit(parent), mailbox_(this) {
    setObjectName(QStringLiteral("editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!setting_) edited_ = true;
    });
}

std::string CCablemateView::Text() {
    return mailbox_.Call<std::string>([this] { return Bytes(); });
}

void CCablemateView::Show(std::string text) {
    auto shared = std::make_shared<std::string>(std::move(text));
    mailbox_.Post([this, shared] { ShowNow(std::move(*shared)); });
}

void CCablemateView::SetBusy(bool busy) {
    mailbox_.Post([this, busy] { SetBusyNow(busy); });
}

std::string CCablemateView::Bytes() {
    TakeUserEdits();
    return bytes_;
}

void CCablemateView::SetBytes(std::string bytes) {
    bytes_ = std::move(bytes);
    EditorText text = DecodeForEditor(bytes_);
    utf8_ = text.utf8;
    setting_ = true;
    setPlainText(text.shown);
    setting_ = false;
    edited_ = false;
}

void CCablemateView::ShowNow(std::string text) {
    SetBytes(std::move(text));
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

void CCablemateView::SetBusyNow(bool busy) {
    busy_ = busy;
    setEnabled(!busy);
    setReadOnly(busy);
}

void CCablemateView::TakeUserEdits() {
    if (!edited_) return;
    bytes_ = EncodeFromEditor(toPlainText(), utf8_);
    edited_ = false;
}

} // namespace cablemate
