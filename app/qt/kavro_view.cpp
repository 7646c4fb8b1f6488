#include "app/qt/kavro_view.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QThread>

#include "app/job_run.h"
#include "app/menu_rules.h"
#include "app/qt/engine_text.h"
#include "app/qt/glossary_window.h"
#include "app/qt/qt_host.h"
#include "app/window_layout.h"
#include "app/window_startup.h"

namespace kavro::gui {
namespace {

QColor colourOf(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

void place(QWidget* widget, const BoxRect& rect) { widget->setGeometry(rect.x, rect.y, rect.width, rect.height); }

QTextEdit* makeBox(QWidget* parent, const char* name) {
    auto* box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setAcceptRichText(false);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    return box;
}

// The selected text when it is one word (nothing but word characters around spaces).
std::string oneWordSelection(const QTextEdit* box) {
    const std::string selected = toEngine(box->textCursor().selectedText());
    const std::size_t first = selected.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = selected.find_last_not_of(' ');
    const std::string word = selected.substr(first, last - first + 1);
    return word.find(' ') == std::string::npos ? word : std::string();
}

}  // namespace

CKavro5View::CKavro5View(QtHost& host, std::filesystem::path programFolder, std::filesystem::path dataFolder,
                         QWidget* parent)
    : QWidget(parent), host_(host), dataFolder_(std::move(dataFolder)) {
    engine_ = std::make_unique<Engine>(lexicon_, options_, host_, std::move(programFolder));
    latinLabel_ = new QLabel("Latin", this);
    translationLabel_ = new QLabel("Translation", this);
    latinBox_ = makeBox(this, "latinBox");
    translationBox_ = makeBox(this, "translationBox");
    lowerWindow_ = makeBox(this, "lowerWindow");
    translateButton_ = new QPushButton("Translate", this);
    translateButton_->setObjectName("translateButton");
    connect(translateButton_, &QPushButton::clicked, this, &CKavro5View::translate);
    for (QTextEdit* box : {latinBox_, translationBox_}) box->viewport()->installEventFilter(this);
    glossary_ = new GlossaryWindow(this);
}

CKavro5View::~CKavro5View() {
    if (worker_) {
        // The job may be waiting for an answer from this thread: keep answering until it ends.
        host_.requestCancel();
        while (!worker_->wait(10)) QCoreApplication::processEvents();
    }
}

bool CKavro5View::startUp() {
    // The neural networks are built with the engine's classifier; the fonts come with the
    // settings, below.
    const StartupResult started = startWindowEngine(*engine_, lexicon_, dataFolder_);
    if (started.outcome != StartupOutcome::Ready) return false;
    applyMenuRules(options_);
    applyFontsAndBackground();
    showBoxes(started.boxes);
    latinBox_->setPlainText(toQt(kLatinPrompt));
    return true;
}

void CKavro5View::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBoxes();
}

void CKavro5View::layoutBoxes() {
    const WindowLayout layout = mainWindowLayout(width(), height());
    place(latinLabel_, layout.latinLabel);
    place(translationLabel_, layout.translationLabel);
    place(latinBox_, layout.latinBox);
    place(translationBox_, layout.translationBox);
    place(lowerWindow_, layout.lowerWindow);
    place(translateButton_, layout.translateButton);
}

void CKavro5View::applyFontsAndBackground() {
    const FontChoice choice = fontChoice(options_);
    static const char* const kFaces[] = {"Sans Serif", "Serif", "Monospace"};
    QFont font(kFaces[static_cast<int>(choice.family)], choice.twips / 20);
    font.setBold(choice.bold);
    for (QTextEdit* box : {latinBox_, translationBox_, lowerWindow_}) box->setFont(font);
    const QColor colour = colourOf(backgroundColour(options_.background));
    for (QTextEdit* box : {latinBox_, translationBox_}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, colour);
        box->setPalette(palette);
    }
}

void CKavro5View::showBoxes(const BoxContents& boxes) {
    latinBox_->setPlainText(toQt(boxes.latinBox));
    translationBox_->setPlainText(toQt(boxes.translationBox));
    translationBox_->setReadOnly(!boxes.translationEditable);
    lowerWindow_->clear();
    latinBox_->setFocus();
}

QTextEdit* CKavro5View::focusedBox() const {
    for (QTextEdit* box : {latinBox_, translationBox_, lowerWindow_})
        if (box->hasFocus()) return box;
    return nullptr;
}

void CKavro5View::translate() {
    if (jobRunning()) return;
    TranslateRequest request;
    request.latinSelection = toEngine(latinBox_->textCursor().selectedText());
    request.translationSelection = toEngine(translationBox_->textCursor().selectedText());
    request.latinBoxText = toEngine(latinBox_->toPlainText());
    startJob([request](JobRun& run) { return run.translate(request); });
}

void CKavro5View::translateFile(const std::filesystem::path& file) {
    if (jobRunning()) return;
    startJob([file](JobRun& run) { return run.translateFile(file); });
}

void CKavro5View::searchFileList(const SearchDialogValues& dialog, const std::filesystem::path& folder,
                                 bool folderChosenNow) {
    if (jobRunning()) return;
    auto run = std::make_shared<SearchRun>();
    runJob([run, dialog, folder, folderChosenNow](JobRun& job) {
        *run = job.searchFiles(dialog, folder, folderChosenNow);
    }, [this, run] {
        if (!run->resultsShown) return;
        translationBox_->setPlainText(toQt(engine_->translationText));
        translationBox_->setReadOnly(!engine_->translationEditable);
        lowerWindow_->clear();
    });
}

void CKavro5View::startJob(std::function<TranslateResult(JobRun&)> work) {
    auto result = std::make_shared<TranslateResult>();
    runJob([work, result](JobRun& job) { *result = work(job); }, [this, result] { showJobResult(*result); });
}

void CKavro5View::runJob(std::function<void(JobRun&)> work, std::function<void()> done) {
    host_.clearCancel();
    job_ = std::make_unique<JobRun>(*engine_, host_);
    worker_ = QThread::create([this, work] { work(*job_); });
    connect(worker_, &QThread::finished, this, [this, done] { finishJob(done); });
    Q_EMIT jobStarted();
    worker_->start();
}

void CKavro5View::finishJob(const std::function<void()>& done) {
    job_->takeResults(*engine_);
    job_.reset();
    worker_->deleteLater();
    worker_ = nullptr;
    done();
    Q_EMIT jobFinished();
}

void CKavro5View::showJobResult(const TranslateResult& result) {
    if (result.outcome == TranslateOutcome::SingleWord) {
        runSingleWord(result.singleWord);
    } else if (result.outcome == TranslateOutcome::JobRan && result.job.boxesRefreshed) {
        showBoxes(currentBoxContents(*engine_));
    }
}

void CKavro5View::cancelJob() {
    if (jobRunning()) host_.requestCancel();
}

void CKavro5View::emptyLatin() {
    if (jobRunning()) return;
    showBoxes(kavro::emptyLatin(*engine_));
}

void CKavro5View::runSingleWord(const std::string& word) {
    if (jobRunning()) return;
    if (const auto view = singleWordView(*engine_, word)) showSingleWord(*view);
}

void CKavro5View::showSingleWord(const SingleWordView& view) {
    lowerWindow_->setPlainText(toQt(view.lowerWindow));
    lowerWindow_->document()->setModified(true);
    if (view.showGlossaryWindow) glossary_->showGlossary(toQt(view.glossaryWindow), lowerWindow_->font());
}

void CKavro5View::showSpellCheck(const SpellCheckResult& result) {
    const QString checked = toQt(result.checkedText);
    latinBox_->setPlainText(checked);
    translationBox_->setPlainText(checked);
    QTextCharFormat underlined;
    underlined.setFontUnderline(true);
    for (const UnrecognisedWord& word : result.unrecognised) {
        const QTextBlock line = translationBox_->document()->findBlockByNumber(word.line - 1);
        if (!line.isValid()) continue;
        QTextCursor cursor(line);
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, word.column - 1);
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, toQt(word.word).size());
        cursor.mergeCharFormat(underlined);
    }
    translationBox_->setReadOnly(false);
    lowerWindow_->clear();
}

bool CKavro5View::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (QTextEdit* box : {latinBox_, translationBox_})
            if (watched == box->viewport()) wordClicked(box);
    }
    return QWidget::eventFilter(watched, event);
}

void CKavro5View::wordClicked(QTextEdit* box) {
    if (jobRunning()) return;
    const QTextCursor cursor = box->textCursor();
    if (cursor.hasSelection()) {
        const std::string word = oneWordSelection(box);
        if (!word.empty()) runSingleWord(word);
        return;
    }
    std::size_t at = 0;
    const std::string text = toEngine(cursor.block().text(), cursor.positionInBlock(), at);
    if (const auto view = clickedWordView(*engine_, text, at)) showSingleWord(*view);
}

}  // namespace kavro::gui
