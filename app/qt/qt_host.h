// The window's host: real message boxes, the status bar, the wait cursor and the progress bar.
// A job on the worker thread reaches them through the window's thread, and Escape or the
// Cancel button set the flag that the job's Escape poll reads.
#pragma once

#include <QObject>

#include <atomic>
#include <functional>

#include "core/host.h"

class QWidget;

namespace kavro::gui {

class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(QWidget* window);

    BoxAnswer message(std::string_view text, BoxKind kind = BoxKind::Ok) override;
    void setStatus(std::string_view text) override;
    void setWaitCursor(bool waiting) override;
    void progress(int done, int total) override;
    bool escapePressed() override;

    // Answers the boxes in place of a person (tests); called on the window's thread.
    using Answerer = std::function<BoxAnswer(const QString& text, BoxKind kind)>;
    void setAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

    // Called on the window's thread.
    void requestCancel() { cancel_ = true; }
    void clearCancel() { cancel_ = false; }

Q_SIGNALS:
    void statusChanged(const QString& text);
    void progressChanged(int done, int total);

private:
    BoxAnswer showBox(const QString& text, BoxKind kind);

    QWidget* window_;
    Answerer answerer_;
    std::atomic<bool> cancel_{false};
};

}  // namespace kavro::gui
