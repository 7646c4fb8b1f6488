// The frame itself: its parts, the status bar and the job's progress, the edit commands and the
// dialogs of the option commands, and its placement kept in the settings store.
#include "app/qt/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>

#include "app/program_folders.h"
#include "app/qt/dialogs.h"
#include "app/qt/engine_text.h"
#include "app/qt/kavro_view.h"
#include "app/qt/qt_host.h"
#include "app/settings_file.h"

namespace kavro::gui {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPlacementGroup = "Placement";

}  // namespace

CMainFrame::CMainFrame(fs::path programFolder, fs::path dataFolder) {
    setWindowTitle("Kavro Latin");
    host_ = new QtHost(this);
    host_->setParent(this);
    view_ = new CKavro5View(*host_, std::move(programFolder), std::move(dataFolder), this);
    setCentralWidget(view_);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    connect(view_, &CKavro5View::jobStarted, this, [this] { setJobRunning(true); });
    connect(view_, &CKavro5View::jobFinished, this, [this] { setJobRunning(false); });
    for (QTextEdit* box : {view_->latinBox(), view_->translationBox(), view_->lowerWindow()}) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](const QPoint& at) { showFloatingMenu(box->mapToGlobal(at), box); });
    }
    resize(1000, 700);
}

CMainFrame::~CMainFrame() { delete printer_; }

void CMainFrame::buildStatusBar() {
    statusText_ = new QLabel("Ready", this);
    progress_ = new QProgressBar(this);
    progress_->setMaximumWidth(200);
    progress_->setFormat("%v of %m");
    progress_->hide();
    cancel_ = new QPushButton("Cancel", this);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, view_, &CKavro5View::cancelJob);
    statusBar()->addWidget(statusText_, 1);
    statusBar()->addPermanentWidget(progress_);
    statusBar()->addPermanentWidget(cancel_);
    connect(host_, &QtHost::statusChanged, statusText_, &QLabel::setText);
    connect(host_, &QtHost::progressChanged, this, [this](int done, int total) {
        progress_->setMaximum(std::max(total, 1));
        progress_->setValue(std::min(done, std::max(total, 1)));
        // A search names the file it is at itself.
        if (!searching_) statusText_->setText(QString("Sentence %1 of %2").arg(done).arg(total));
    });
}

void CMainFrame::setJobRunning(bool running) {
    menuBar()->setEnabled(!running);
    for (QAction* a : actions_) a->setEnabled(!running);
    view_->setEnabled(!running);
    progress_->setVisible(running);
    // While a job runs, Escape anywhere in the program stops it (and goes no further); otherwise
    // it still closes dialogs.
    if (running) qApp->installEventFilter(this);
    else qApp->removeEventFilter(this);
    cancel_->setVisible(running);
    if (running) {
        progress_->setValue(0);
        statusText_->setText(searching_ ? "Searching... (Escape stops)" : "Translating... (Escape stops)");
    } else {
        searching_ = false;
        statusText_->setText("Ready");
        refreshMenuStates();
    }
}

void CMainFrame::editCommand(void (*edit)(QTextEdit*)) {
    if (QTextEdit* box = view_->focusedBox()) edit(box);
}

void CMainFrame::showFloatingMenu(const QPoint& at, QWidget* box) {
    auto* edit = static_cast<QTextEdit*>(box);
    QMenu floating("Floating", this);
    connect(floating.addAction("Copy"), &QAction::triggered, edit, &QTextEdit::copy);
    connect(floating.addAction("Cut"), &QAction::triggered, edit, &QTextEdit::cut);
    connect(floating.addAction("Paste"), &QAction::triggered, edit, &QTextEdit::paste);
    floating.exec(at);
}

void CMainFrame::singleWordModeCommand() {
    CSingleWordOptions dialog(view_->options().singleWordTarget, this);
    if (dialog.exec() == QDialog::Accepted) view_->options().singleWordTarget = dialog.target();
}

void CMainFrame::fontCommand() {
    FontDialog dialog(view_->options(), this);
    if (dialog.exec() == QDialog::Accepted && dialog.apply(view_->options())) view_->applyFontsAndBackground();
}

void CMainFrame::saveSettingsCommand() { kavro::saveSettingsCommand(view_->options(), view_->programFolder(), *host_); }

void CMainFrame::dictionaryCommand() {
    Dictionary dialog(view_->engine(), this);
    dialog.exec();
}

void CMainFrame::helpCommand() {
    const fs::path manual = manualFolder(KAVRO_SOURCE_MANUAL_DIR) / "index.html";
    const QString page = QString::fromStdString(manual.string());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        host_->message(toEngine("Cannot show the manual " + page + ".\nOpen it in a web browser."));
}

void CMainFrame::storePlacement() {
    QSettings settings;
    settings.beginGroup(kPlacementGroup);
    const QRect r = normalGeometry();
    settings.setValue("Rect", QString::asprintf("%04d %04d %04d %04d", r.left(), r.top(), r.right(), r.bottom()));
    settings.setValue("icon", isMinimized() ? 1 : 0);
    settings.setValue("max", isMaximized() ? 1 : 0);
    settings.endGroup();
}

void CMainFrame::restorePlacement() {
    QSettings settings;
    settings.beginGroup(kPlacementGroup);
    const QStringList parts = settings.value("Rect").toString().split(' ', Qt::SkipEmptyParts);
    if (parts.size() == 4) {
        const QRect r(QPoint(parts[0].toInt(), parts[1].toInt()), QPoint(parts[2].toInt(), parts[3].toInt()));
        if (r.width() > 100 && r.height() > 100) setGeometry(r);
    }
    if (settings.value("max").toInt() == 1) setWindowState(windowState() | Qt::WindowMaximized);
    else if (settings.value("icon").toInt() == 1) setWindowState(windowState() | Qt::WindowMinimized);
    settings.endGroup();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        view_->cancelJob();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_->jobRunning()) {
        // The job stops between sentences (its log closed as usual) and the window then closes.
        connect(view_, &CKavro5View::jobFinished, this, &QWidget::close, Qt::SingleShotConnection);
        view_->cancelJob();
        event->ignore();
        return;
    }
    storePlacement();
    event->accept();
}

}  // namespace kavro::gui
