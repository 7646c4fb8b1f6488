#include "app/qt/qt_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

#include "app/qt/engine_text.h"

namespace kavro::gui {
namespace {

constexpr const char* kBoxTitle = "Kavro Latin";

bool onWindowThread() { return QThread::currentThread() == qApp->thread(); }

}  // namespace

QtHost::QtHost(QWidget* window) : window_(window) {}

BoxAnswer QtHost::showBox(const QString& text, BoxKind kind) {
    if (answerer_) return answerer_(text, kind);
    switch (kind) {
        case BoxKind::Ok:
            QMessageBox::information(window_, kBoxTitle, text);
            return BoxAnswer::Ok;
        case BoxKind::OkCancel:
            return QMessageBox::question(window_, kBoxTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                                         QMessageBox::Ok) == QMessageBox::Ok
                       ? BoxAnswer::Ok
                       : BoxAnswer::Cancel;
        case BoxKind::YesNo:
            return QMessageBox::question(window_, kBoxTitle, text, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes
                       ? BoxAnswer::Yes
                       : BoxAnswer::No;
    }
    return BoxAnswer::Ok;
}

BoxAnswer QtHost::message(std::string_view text, BoxKind kind) {
    const QString shown = toQt(text);
    if (onWindowThread()) return showBox(shown, kind);
    // The job waits for the answer; the box is shown by the window's thread.
    BoxAnswer answer = BoxAnswer::Ok;
    QMetaObject::invokeMethod(this, [&] { answer = showBox(shown, kind); }, Qt::BlockingQueuedConnection);
    return answer;
}

void QtHost::setStatus(std::string_view text) { Q_EMIT statusChanged(toQt(text)); }

void QtHost::setWaitCursor(bool waiting) {
    QMetaObject::invokeMethod(qApp, [waiting] {
        if (waiting) QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    });
}

void QtHost::progress(int done, int total) { Q_EMIT progressChanged(done, total); }

bool QtHost::escapePressed() { return cancel_.exchange(false); }

}  // namespace kavro::gui
