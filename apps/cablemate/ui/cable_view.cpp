#include "cable_view.h"

#include <QMetaObject>
#include <QScrollBar>
#include <QStringDecoder>
#include <QTextCursor>
#include <QThread>

namespace cablemate {

namespace {

bool OnWindowThread(const QObject* object) { return QThread::currentThread() == object->thread(); }

} // namespace

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

CCablemateView::CCablemateView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("editor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!setting_) edited_ = true;
    });
}

std::string CCablemateView::Text() {
    if (OnWindowThread(this)) return Bytes();
    std::string text;
    QMetaObject::invokeMethod(this, [this, &text] { text = Bytes(); }, Qt::BlockingQueuedConnection);
    return text;
}

void CCablemateView::Show(std::string text) {
    if (OnWindowThread(this)) return ShowNow(std::move(text));
    QMetaObject::invokeMethod(this, [this, text = std::move(text)]() mutable { ShowNow(std::move(text)); },
                              Qt::QueuedConnection);
}

void CCablemateView::SetBusy(bool busy) {
    if (OnWindowThread(this)) return SetBusyNow(busy);
    QMetaObject::invokeMethod(this, [this, busy] { SetBusyNow(busy); }, Qt::QueuedConnection);
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
