// The view: the Latin box, the Translation box, the lower window, their two labels and the
// "Translate" button, laid out by mainWindowLayout; it owns the engine of the window's thread
// and starts every engine operation. A translation runs on a worker thread of its own.
#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>

#include "app/search_commands.h"
#include "app/single_word_view.h"
#include "app/spell_check.h"
#include "app/translate_command.h"
#include "core/engine.h"
#include "core/lexicon.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QThread;

namespace kavro {
class JobRun;
}

namespace kavro::gui {

class QtHost;
class GlossaryWindow;

class CKavro5View : public QWidget {
    Q_OBJECT
public:
    CKavro5View(QtHost& host, std::filesystem::path programFolder, std::filesystem::path dataFolder,
                QWidget* parent = nullptr);
    ~CKavro5View() override;

    // The start-up: log header, settings, data files, the prompt and the loading messages. False
    // when the program cannot go on (the message has been shown).
    bool startUp();

    ViewOptions& options() { return options_; }
    Engine& engine() { return *engine_; }
    const std::filesystem::path& programFolder() const { return engine_->programFolder; }
    bool jobRunning() const { return job_ != nullptr; }

    QTextEdit* latinBox() const { return latinBox_; }
    QTextEdit* translationBox() const { return translationBox_; }
    QTextEdit* lowerWindow() const { return lowerWindow_; }
    QPushButton* translateButton() const { return translateButton_; }
    QLabel* latinLabel() const { return latinLabel_; }
    QLabel* translationLabel() const { return translationLabel_; }
    GlossaryWindow* glossaryWindow() const { return glossary_; }

    // Commands.
    void translate();
    void translateFile(const std::filesystem::path& file);
    // "Search File List" on the worker thread; the hits are then shown in the Translation box.
    void searchFileList(const SearchDialogValues& dialog, const std::filesystem::path& folder,
                        bool folderChosenNow);
    void emptyLatin();
    void cancelJob();
    void showBoxes(const BoxContents& boxes);
    void applyFontsAndBackground();
    void runSingleWord(const std::string& word);
    // The checked text in the Latin box, and again with its unrecognised words underlined.
    void showSpellCheck(const SpellCheckResult& result);
    // The box with the focus, or none.
    QTextEdit* focusedBox() const;

Q_SIGNALS:
    void jobStarted();
    void jobFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutBoxes();
    void wordClicked(QTextEdit* box);
    void startJob(std::function<TranslateResult(JobRun&)> work);
    // Runs `work` on the worker thread with a job engine; `done` follows on this thread once the
    // job's results are back in the view's engine.
    void runJob(std::function<void(JobRun&)> work, std::function<void()> done);
    void finishJob(const std::function<void()>& done);
    void showJobResult(const TranslateResult& result);
    void showSingleWord(const SingleWordView& view);

    QtHost& host_;
    std::filesystem::path dataFolder_;
    Lexicon lexicon_;
    ViewOptions options_;
    std::unique_ptr<Engine> engine_;
    std::unique_ptr<JobRun> job_;
    QThread* worker_ = nullptr;

    QLabel* latinLabel_;
    QLabel* translationLabel_;
    QTextEdit* latinBox_;
    QTextEdit* translationBox_;
    QTextEdit* lowerWindow_;
    QPushButton* translateButton_;
    GlossaryWindow* glossary_ = nullptr;
};

}  // namespace kavro::gui
