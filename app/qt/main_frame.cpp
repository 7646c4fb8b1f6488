#include "app/qt/main_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

#include "app/file_choice.h"
#include "app/menu_rules.h"
#include "app/option_commands.h"
#include "app/program_folders.h"
#include "app/settings_file.h"
#include "app/spell_check_command.h"
#include "app/translation_files.h"
#include "app/qt/dialogs.h"
#include "app/qt/engine_text.h"
#include "app/qt/kavro_view.h"
#include "app/qt/printing.h"
#include "app/qt/qt_host.h"
#include "job/regular_file.h"

namespace kavro::gui {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPlacementGroup = "Placement";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The dialog's filters: text files first, then all files.
QString fileFilters() {
    return text(kTextFilesFilter) + " (*.txt *.asc *.Txt *.Asc *.TXT *.ASC);;" + text(kAllFilesFilter) + " (*)";
}

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

QAction* CMainFrame::addCommand(QMenu* menu, std::string_view entry, std::function<void()> effect) {
    QAction* action = menu->addAction(text(entryLabel(entry)));
    action->setData(text(entry));
    if (const std::string_view keys = entryAccelerator(entry); !keys.empty())
        action->setShortcut(QKeySequence(text(keys)));
    connect(action, &QAction::triggered, this, [this, effect] {
        effect();
        refreshMenuStates();
    });
    actions_.push_back(action);
    return action;
}

QAction* CMainFrame::action(const QString& entry) const {
    for (QAction* a : actions_)
        if (a->data().toString() == entry) return a;
    return nullptr;
}

void CMainFrame::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    addCommand(file, "&Open\tCtrl+O", [this] { openCommand(); });
    addCommand(file, "&Rename File\tCtrl+R", [this] { renameCommand(); });
    addCommand(file, "Reload &Translation", [this] { reloadCommand(); });
    file->addSeparator();
    addCommand(file, "&Print...\tCtrl+P", [this] { printCommand(false); });
    addCommand(file, "Print Pre&view", [this] { printCommand(true); });
    addCommand(file, "P&rint Setup...", [this] {
        if (!printer_) printer_ = new QPrinter;
        QPageSetupDialog(printer_, this).exec();
    });
    file->addSeparator();
    addCommand(file, "E&xit", [this] { close(); });

    QMenu* edit = menuBar()->addMenu("&Edit");
    addCommand(edit, "&Empty Latin\tCtrl+E", [this] { view_->emptyLatin(); });
    addCommand(edit, "&Copy\tCtrl+C", [this] { editCommand([](QTextEdit* box) { box->copy(); }); });
    addCommand(edit, "C&ut\tCtrl+X", [this] { editCommand([](QTextEdit* box) { box->cut(); }); });
    addCommand(edit, "Pa&ste\tCtrl+V", [this] { editCommand([](QTextEdit* box) { box->paste(); }); });

    options_ = menuBar()->addMenu("&Options");
    buildOptionsMenu(options_);

    QMenu* tools = menuBar()->addMenu("&Tools");
    addCommand(tools, "&Search Dictionary\tCtrl+S", [this] { dictionaryCommand(); });
    addCommand(tools, "Spell &Check", [this] { spellCheckCommand(); });
    // The corpus search has window commands of its own, still to come.
    for (std::string_view later : {"&Create File List...", "&Search File List...", "Save Search &Results..."})
        addCommand(tools, later, [] {})->setEnabled(false);

    QMenu* help = menuBar()->addMenu("&Help");
    addCommand(help, "&Help\tCtrl+H", [this] { helpCommand(); });
    addCommand(help, "&About Kavro Latin...", [this] { showAboutBox(this); });
    // The menu rules are applied whenever a menu is shown.
    for (QMenu* menu : {file, edit, tools, help, options_})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshMenuStates(); });
    refreshMenuStates();
}

void CMainFrame::buildOptionsMenu(QMenu* options) {
    ViewOptions& o = view_->options();
    auto addToggles = [&](QMenu* menu, auto& table) {
        for (const ToggleEntry& entry : table) {
            QAction* a = addCommand(menu, entry.text, [&o, entry] { o.*entry.option = !(o.*entry.option); });
            a->setCheckable(true);
            stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.*entry.option); });
        }
    };
    QMenu* area = options->addMenu("Area Preferred");
    for (const AreaEntry& entry : kAreaEntries) {
        QAction* a = addCommand(area, entry.text, [&o, entry] { chooseArea(o, entry.code); });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(!o.autoArea && o.area == entry.code); });
    }
    area->addSeparator();
    QAction* autoArea = addCommand(area, "&Auto-adjusting", [&o] { toggleAutoArea(o); });
    autoArea->setCheckable(true);
    QMenu* age = options->addMenu("Age Preferred");
    for (const AgeEntry& entry : kAgeEntries) {
        QAction* a = addCommand(age, entry.text, [&o, entry] { chooseAge(o, entry.age); });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.age == entry.age); });
    }
    QMenu* order = options->addMenu("Word Order");
    for (const OrderEntry& entry : kWordOrderEntries) {
        QAction* a = addCommand(order, entry.text, [&o, entry] { o.bestOrder = entry.order; });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.bestOrder == entry.order); });
    }
    addToggles(options->addMenu("User Phrases"), kUserPhraseToggles);
    QAction* easy = addCommand(options, "EASY &LATIN\tCtrl+L",
                               [this, &o] { host_->message(toggleEasyLatin(o)); });
    easy->setCheckable(true);
    options->addSeparator();
    addToggles(options, kLatinToggles);
    options->addSeparator();
    addToggles(options, kOutputToggles);
    options->addSeparator();
    addCommand(options, "Single &Word Mode\tCtrl+G", [this] { singleWordModeCommand(); });
    addToggles(options, kSingleWordToggles);
    options->addSeparator();
    addCommand(options, "Select &Font and Background Colour...", [this] { fontCommand(); });
    addCommand(options, "Save User Settings", [this] { saveSettingsCommand(); });
    options->addSeparator();
    QAction* hash = addCommand(options, "&Allow high-speed hash", [&o] { toggleHash(o); });
    hash->setCheckable(true);
    addToggles(options, kEngineToggles);

    stateRefreshers_.push_back([this, &o, autoArea, easy, hash] {
        const MenuStates states = applyMenuRules(o);
        autoArea->setEnabled(states.autoArea.enabled);
        autoArea->setChecked(o.autoArea);
        easy->setChecked(o.easyLatin);
        hash->setEnabled(states.allowHash.enabled);
        hash->setChecked(states.allowHash.checked);
        const std::pair<const char*, MenuEntryState> ruled[] = {
            {"&Details\tCtrl+D", states.details},
            {"&Joint Latin/English\tCtrl+J", states.jointOutput},
            {"Medieval P&honetics", states.medievalPhonetics},
            {"&Prefer NeoLatin Meanings", states.preferNeoLatin},
            {"&Prefer Medieval Meanings", states.preferMedieval},
            {"Botany, Horticultural", states.botany},
        };
        for (const auto& [entry, state] : ruled)
            if (QAction* a = action(entry)) a->setEnabled(state.enabled);
    });
}

bool CMainFrame::startUp() {
    const bool started = view_->startUp();
    refreshMenuStates();
    return started;
}

void CMainFrame::refreshMenuStates() {
    for (const auto& refresh : stateRefreshers_) refresh();
}

void CMainFrame::buildToolBar() {
    QToolBar* bar = addToolBar("Tools");
    bar->setObjectName("toolBar");
    for (const char* entry : {"&Open\tCtrl+O", "&Rename File\tCtrl+R", "&Print...\tCtrl+P", "&Copy\tCtrl+C",
                              "C&ut\tCtrl+X", "Pa&ste\tCtrl+V", "&Search Dictionary\tCtrl+S",
                              "&Help\tCtrl+H"})
        bar->addAction(action(entry));
}

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
        statusText_->setText(QString("Sentence %1 of %2").arg(done).arg(total));
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
        statusText_->setText("Translating... (Escape stops)");
    } else {
        statusText_->setText("Ready");
        refreshMenuStates();
        for (QAction* a : actions_)
            if (a->data().toString().contains("File List") || a->data().toString().startsWith("Save Search"))
                a->setEnabled(false);
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

std::optional<fs::path> CMainFrame::chooseFile(bool forSaving) {
    QFileDialog dialog(this, text(forSaving ? kSaveResultTitle : kOpenLatinTitle));
    dialog.setNameFilter(fileFilters());
    dialog.setDefaultSuffix(text(kDefaultExtension));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const fs::path chosen = dialog.selectedFiles().first().toStdString();
    if (const auto refused = refusedFileMessage(chosen)) {
        host_->message(*refused);
        return std::nullopt;
    }
    return chosen;
}

void CMainFrame::openLatinFile(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    view_->translateFile(file);
}

void CMainFrame::saveTranslationTo(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    Engine& engine = view_->engine();
    const bool whole = engine.translationText.find("\nTRUNCATED.") == std::string::npos;
    saveTranslationAs(engine, file, toEngine(view_->translationBox()->toPlainText()), whole);
}

void CMainFrame::reloadTranslationFrom(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    if (const auto reloaded = reloadTranslation(view_->engine(), file)) {
        view_->translationBox()->setPlainText(toQt(reloaded->text));
        view_->translationBox()->setReadOnly(!reloaded->editable);
    }
}

void CMainFrame::openCommand() {
    if (const auto file = chooseFile(false)) openLatinFile(*file);
}

void CMainFrame::renameCommand() {
    if (const auto file = chooseFile(true)) saveTranslationTo(*file);
}

void CMainFrame::reloadCommand() {
    if (const auto file = chooseFile(false)) reloadTranslationFrom(*file);
}

void CMainFrame::printCommand(bool preview) {
    const ReadFile log = readRegularFile(view_->engine().file("parser.txt"));
    if (!log.ok) {
        host_->message(kLogUnopenable);
        return;
    }
    if (!printer_) printer_ = new QPrinter;
    const QFont font = view_->translationBox()->font();
    if (preview) {
        QPrintPreviewDialog dialog(printer_, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [&](QPrinter* printer) { printLog(*printer, log.content, font); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(printer_, this);
    if (dialog.exec() == QDialog::Accepted) printLog(*printer_, log.content, font);
}

void CMainFrame::singleWordModeCommand() {
    CSingleWordOptions dialog(view_->options().singleWordTarget, this);
    if (dialog.exec() == QDialog::Accepted) view_->options().singleWordTarget = dialog.target();
}

void CMainFrame::spellCheckCommand() {
    if (const auto file = chooseFile(false)) spellCheckOf(*file);
}

void CMainFrame::spellCheckOf(const fs::path& file) {
    if (view_->jobRunning()) return;
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    if (const auto result = spellCheckFile(view_->engine(), file)) view_->showSpellCheck(*result);
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
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(manual.string())));
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
