// The real main window, offscreen: start-up, translating, word clicks, refused file names, the
// layout under resizes, settings across a restart, a cancelled job, the folder search, and a
// picture of the window.
#include <QApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/qt/dialogs.h"
#include "app/qt/glossary_window.h"
#include "app/qt/kavro_view.h"
#include "app/qt/main_frame.h"
#include "app/qt/printing.h"
#include "app/qt/qt_host.h"
#include "app/window_layout.h"

using kavro::BoxAnswer;
using kavro::BoxKind;
using kavro::gui::CMainFrame;
using kavro::SearchDialogValues;
using kavro::SearchKind;

namespace {

constexpr int kJobWaitMs = 90000;
constexpr const char* kSentence = "Puella rosam amat. ";

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A started window in a program folder, whose boxes are answered and recorded: Yes/No questions
// (the botany file) get No, every other box OK.
struct Window {
    explicit Window(const QString& home) {
        frame = std::make_unique<CMainFrame>(home.toStdString(), KAVRO_DATA_DIR);
        frame->host().setAnswerer([this](const QString& text, BoxKind kind) {
            boxes << text;
            return kind == BoxKind::YesNo ? yesNoAnswer : BoxAnswer::Ok;
        });
        frame->resize(900, 600);
        frame->show();
        started = frame->startUp();
    }
    kavro::gui::CKavro5View& view() { return frame->view(); }
    bool translate(const QString& latin) {
        view().latinBox()->setPlainText(latin);
        QSignalSpy finished(&view(), &kavro::gui::CKavro5View::jobFinished);
        QTest::mouseClick(view().translateButton(), Qt::LeftButton);
        return finished.wait(kJobWaitMs);
    }
    void setSentenceMode() {
        if (!view().options().sentenceMode) frame->action("&Translate\tCtrl+T")->trigger();
    }
    bool sawBox(const QString& text) const {
        for (const QString& box : boxes)
            if (box.contains(text)) return true;
        return false;
    }

    // The folder search's command with its dialog filled with `values` and OK pressed; a dialog
    // that refuses them is then cancelled. True when the search ran to its end.
    bool search(const SearchDialogValues& values, bool* accepted = nullptr) {
        bool wasAccepted = false;
        auto* poll = new QTimer(frame.get());
        poll->setInterval(20);
        int tries = 0;
        QObject::connect(poll, &QTimer::timeout, [&, poll] {
            auto* dialog = qobject_cast<kavro::gui::SearchDlg*>(QApplication::activeModalWidget());
            if (!dialog) {
                if (++tries > 250) poll->stop();
                return;
            }
            poll->stop();
            dialog->setValues(values);
            dialog->accept();
            wasAccepted = dialog->result() == QDialog::Accepted;
            if (!wasAccepted) dialog->reject();
        });
        poll->start();
        QSignalSpy finished(&view(), &kavro::gui::CKavro5View::jobFinished);
        frame->action("&Search File List...")->trigger();
        delete poll;
        if (accepted) *accepted = wasAccepted;
        return wasAccepted && finished.wait(kJobWaitMs);
    }

    std::unique_ptr<CMainFrame> frame;
    QStringList boxes;
    bool started = false;
    BoxAnswer yesNoAnswer = BoxAnswer::No;
};

// A small tree of typed Latin texts: two listed files at the top, one two levels down, and files
// the list leaves out.
std::filesystem::path makeLatinTree(const QTemporaryDir& dir) {
    const std::filesystem::path root = std::filesystem::path(dir.path().toStdString()) / "inscriptions";
    std::filesystem::create_directories(root / "Roma" / "Forum");
    std::ofstream(root / "a.TXT") << "Puella rosam amat.\nNauta in via stat.\n";
    std::ofstream(root / "B.TXT") << "Agricola puellam amat. Rosa pulchra est.\n";
    std::ofstream(root / "Roma" / "Forum" / "c.TXT") << "Marcus Iuliam amabat.\nIulia rosas portat.\n";
    std::ofstream(root / "fails.txt") << "Puella rosam amat.\n";
    std::ofstream(root / "notes.doc") << "Puella rosam amat.\n";
    return root;
}

// Pixels of the widget's picture that differ clearly from its background.
int inkPixels(QWidget* box) {
    const QImage image = box->grab().toImage();
    const QColor base = box->palette().color(QPalette::Base);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - base.red()) + std::abs(c.green() - base.green()) +
                    std::abs(c.blue() - base.blue()) > 150)
                ++ink;
        }
    return ink;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    // A fresh program folder for every test.
    std::unique_ptr<QTemporaryDir> folder_;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName("KavroTest");
        QCoreApplication::setApplicationName("Kavro Latin Test");
        QVERIFY(std::filesystem::exists(std::filesystem::path(KAVRO_DATA_DIR) / "manifest.txt"));
    }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        // The settings store (the frame's placement) of this test alone.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_->path());
    }

    void startUpShowsLoadingMessages() {
        Window window(folder_->path());
        QVERIFY(window.started);
        QCOMPARE(window.view().latinBox()->toPlainText(),
                 QString("Type or paste (Edit/Paste) Latin text here.\nPress 'Ctrl-E' to remove this text."));
        const QString shown = window.view().translationBox()->toPlainText();
        QVERIFY2(shown.contains("Kavro Latin"), qPrintable(shown.left(400)));
        for (const char* line : {"Loading inflection data...", "Loading dictionary...", "Loading translations..."})
            QVERIFY2(shown.contains(line), line);
        // A normal start shows no box, unless to say that the high-speed hash table is missing.
        for (const QString& box : window.boxes) QVERIFY2(box.contains("fixedhashfile.dat"), qPrintable(box));
        QCOMPARE(shown.toStdString(), readFile(folder_->filePath("parser.txt").toStdString()));
        QVERIFY(window.frame->menuBar()->isEnabled());
    }

    void translateShowsEnglish() {
        Window window(folder_->path());
        window.setSentenceMode();
        QVERIFY(window.translate(kSentence));
        const QString shown = window.view().translationBox()->toPlainText();
        QVERIFY2(shown.contains("girl", Qt::CaseInsensitive), qPrintable(shown));
        QVERIFY(shown.contains("Time taken"));
        QVERIFY(window.view().translateButton()->isEnabled());
    }

    void wordClickFillsLowerWindow() {
        Window window(folder_->path());
        QTextEdit* latin = window.view().latinBox();
        latin->setPlainText("Puella rosam amat.");
        auto clickAt = [&](int position) {
            QTextCursor cursor(latin->document());
            cursor.setPosition(position);
            const QRect at = latin->cursorRect(cursor);
            QTest::mouseClick(latin->viewport(), Qt::LeftButton, {}, at.center() + QPoint(2, 0));
        };
        clickAt(8);   // inside "rosam"
        QVERIFY2(window.view().lowerWindow()->toPlainText().startsWith("'rosam': "),
                 qPrintable(window.view().lowerWindow()->toPlainText()));
        window.view().lowerWindow()->setPlainText("unchanged");
        clickAt(17);  // the full stop
        QCOMPARE(window.view().lowerWindow()->toPlainText(), QString("unchanged"));
        // A one-word selection in the Translation box, ended by the mouse.
        QTextEdit* english = window.view().translationBox();
        english->setPlainText("The girl loves amat.");
        QTextCursor selection(english->document());
        selection.setPosition(15);
        selection.setPosition(19, QTextCursor::KeepAnchor);
        english->setTextCursor(selection);
        QTest::mouseRelease(english->viewport(), Qt::LeftButton, {}, english->cursorRect().center());
        QVERIFY(window.view().lowerWindow()->toPlainText().startsWith("'amat': "));
        // The glossary in the modeless window.
        window.view().options().singleWordTarget = 2;
        clickAt(1);
        QVERIFY(window.view().glossaryWindow()->isVisible());
        QVERIFY(window.view().glossaryWindow()->box()->toPlainText().startsWith("'Puella':"));
    }

    void refusedFileNames() {
        struct Refusal {
            const char* name;
            const char* message;
        };
        const Refusal refusals[] = {
            {"PARSER.TXT", "Must not use the results file!"},
            {"temp.asc", "Must not use the temporary output file!"},
            {"userstuff.txt", "Must not use your Userfile!"},
            {"Fails.txt", "Must not use the Search results file!"},
            {"dirkavro.txt", "Must not use the Search directory file!"},
        };
        Window window(folder_->path());
        const std::string before = readFile(folder_->filePath("parser.txt").toStdString());
        for (const Refusal& refusal : refusals) {
            const std::filesystem::path file = folder_->filePath(refusal.name).toStdString();
            std::ofstream(file) << kSentence;
            window.boxes.clear();
            window.frame->openLatinFile(file);
            QVERIFY2(!window.view().jobRunning(), refusal.name);
            window.frame->saveTranslationTo(file);
            window.frame->reloadTranslationFrom(file);
            QCOMPARE(window.boxes, QStringList({refusal.message, refusal.message, refusal.message}));
        }
        QCOMPARE(readFile(folder_->filePath("parser.txt").toStdString()), before);
        // A name that only contains "user" later on is the user's own file.
        const std::filesystem::path mine = folder_->filePath("myuser.txt").toStdString();
        std::ofstream(mine) << kSentence;
        QSignalSpy finished(&window.view(), &kavro::gui::CKavro5View::jobFinished);
        window.frame->openLatinFile(mine);
        QVERIFY(finished.wait(kJobWaitMs));
        QVERIFY(window.view().translationBox()->toPlainText().contains("Time taken"));
    }

    void spellCheckUnderlinesUnknownWords() {
        Window window(folder_->path());
        const std::filesystem::path file = folder_->filePath("check.txt").toStdString();
        std::ofstream(file) << "Puella rosam amat.\nxyzzq et rosam.\n";
        window.frame->spellCheckOf(file);
        QTextEdit* shown = window.view().translationBox();
        QCOMPARE(window.view().latinBox()->toPlainText(), shown->toPlainText());
        auto underlinedAt = [shown](int position) {
            QTextCursor cursor(shown->document());
            cursor.setPosition(position + 1);
            return cursor.charFormat().fontUnderline();
        };
        const int unknown = shown->toPlainText().indexOf("xyzzq");
        QVERIFY(unknown > 0);
        QVERIFY(underlinedAt(unknown) && underlinedAt(unknown + 3));
        QVERIFY(!underlinedAt(shown->toPlainText().indexOf("rosam")));
        QVERIFY(!underlinedAt(unknown + 7));
        QCOMPARE(readFile(folder_->filePath("parser.txt").toStdString()), std::string("Successful spell-check."));
        QVERIFY(readFile(folder_->filePath("fails.txt").toStdString()).find("\\ul xyzzq}") != std::string::npos);
        // "Rename File" saves the checked text that the box shows, even after a truncated log.
        window.view().engine().translationText += "\nTRUNCATED.";
        window.frame->spellCheckOf(file);
        const std::filesystem::path saved = folder_->filePath("checked.txt").toStdString();
        window.frame->saveTranslationTo(saved);
        QCOMPARE(readFile(saved), shown->toPlainText().toStdString());
    }

    void dictionaryAndPrinting() {
        Window window(folder_->path());
        kavro::gui::Dictionary dictionary(window.view().engine(), window.frame.get());
        QTest::keyClicks(dictionary.letters(), "amic");
        QTest::keyClick(dictionary.letters(), Qt::Key_Return);
        QVERIFY2(dictionary.report()->toPlainText().contains("amic"), qPrintable(dictionary.report()->toPlainText()));
        QVERIFY(QFontInfo(dictionary.report()->font()).fixedPitch());
        // parser.txt printed to a PDF: long lines broken, several pages.
        std::string log;
        for (int i = 0; i < 150; ++i) log += std::string(60, 'a') + " " + std::string(60, 'b') + "\n";
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder_->filePath("parser.pdf"));
        const int pages = kavro::gui::printLog(printer, log, window.view().translationBox()->font());
        QVERIFY(pages >= 3);
        QVERIFY(QFileInfo(folder_->filePath("parser.pdf")).size() > 1000);
    }

    void proportionsHoldAfterResizes() {
        Window window(folder_->path());
        const QSize sizes[] = {{640, 480}, {1280, 900}, {333, 517}, {1001, 701}};
        for (const QSize& size : sizes) {
            window.frame->resize(size);
            QCoreApplication::processEvents();
            kavro::gui::CKavro5View& view = window.view();
            const kavro::WindowLayout want = kavro::mainWindowLayout(view.width(), view.height());
            auto same = [](QWidget* w, const kavro::BoxRect& r) {
                return w->geometry() == QRect(r.x, r.y, r.width, r.height);
            };
            QVERIFY(same(view.latinBox(), want.latinBox));
            QVERIFY(same(view.translationBox(), want.translationBox));
            QVERIFY(same(view.lowerWindow(), want.lowerWindow));
            QVERIFY(same(view.translateButton(), want.translateButton));
            QVERIFY(same(view.latinLabel(), want.latinLabel));
            QVERIFY(std::abs(view.latinBox()->width() - 0.45 * view.width()) <= 1.0);
            QVERIFY(std::abs(view.lowerWindow()->width() - 0.75 * view.width()) <= 1.0);
            QCOMPARE(view.translationBox()->geometry().right() + 1, view.width());
        }
    }

    void settingsSavedAreReadBack() {
        {
            Window window(folder_->path());
            QVERIFY(!window.view().options().plautusElisions);
            window.frame->action("&Plautus Elisions")->trigger();
            window.frame->action("SVOE order")->trigger();
            window.frame->action("Save User Settings")->trigger();
            QVERIFY(window.sawBox("Settings saved."));
            window.frame->close();
        }
        Window again(folder_->path());
        QVERIFY(again.view().options().plautusElisions);
        QCOMPARE(again.view().options().bestOrder, std::int16_t{3});
        QVERIFY(again.frame->action("&Plautus Elisions")->isChecked());
        QVERIFY(again.frame->action("SVOE order")->isChecked());
    }

    void placementIsKeptUnderPlacement() {
        const QRect where(120, 90, 800, 560);
        {
            Window window(folder_->path());
            window.frame->setGeometry(where);
            window.frame->close();
        }
        QSettings settings;
        const QString rect = settings.value("Placement/Rect").toString();
        QVERIFY2(QRegularExpression("^\\d{4} \\d{4} \\d{4} \\d{4}$").match(rect).hasMatch(), qPrintable(rect));
        QCOMPARE(settings.value("Placement/icon").toInt(), 0);
        Window again(folder_->path());
        again.frame->restorePlacement();
        QCOMPARE(again.frame->geometry(), where);
    }

    void cancelledJobLeavesConsistentLog() {
        Window window(folder_->path());
        window.setSentenceMode();
        QString latin;
        for (int i = 0; i < 400; ++i) latin += kSentence;
        // Escape, pressed as the job starts, stops it before its first sentence.
        QList<bool> menuEnabled;
        connect(&window.view(), &kavro::gui::CKavro5View::jobStarted, this, [&] {
            menuEnabled << window.frame->menuBar()->isEnabled();
            QTest::keyClick(window.frame.get(), Qt::Key_Escape);
        }, Qt::SingleShotConnection);
        QVERIFY(window.translate(latin));
        QVERIFY(!menuEnabled.isEmpty() && !menuEnabled.contains(true));
        QVERIFY(window.sawBox("Escape Pressed. Ending translation."));
        const std::string log = readFile(folder_->filePath("parser.txt").toStdString());
        QVERIFY(log.find("Escape Pressed. Ending translation.") != std::string::npos);
        QVERIFY(log.find("Time taken = ") != std::string::npos);
        QVERIFY(log.find("Done. No. of words translated") < log.find("Time taken = "));
        QCOMPARE(window.view().translationBox()->toPlainText().toStdString(), log);
        QVERIFY(window.frame->menuBar()->isEnabled());
        QVERIFY(window.view().isEnabled());
        QVERIFY(window.frame->action("&Open\tCtrl+O")->isEnabled());
        QVERIFY(!window.frame->cancelButton()->isVisible());
        // And the window translates again.
        QVERIFY(window.translate(kSentence));
        QVERIFY(!window.view().translationBox()->toPlainText().contains("Escape Pressed"));
    }

    void createFileListOfFolderTree() {
        Window window(folder_->path());
        QTemporaryDir texts;
        const std::filesystem::path tree = makeLatinTree(texts);
        QVERIFY(window.frame->action("&Create File List...")->isEnabled());
        window.frame->createFileListIn(tree);
        const std::string list = readFile(tree / "DIRKavro.TXT");
        const std::string root = tree.string();
        QCOMPARE(list, root + "\n" + root + "/a.TXT\n" + root + "/B.TXT\n" + root + "/Roma/Forum/c.TXT\n" +
                           "3 = No. of files");
        QCOMPARE(window.boxes, QStringList({"Successfully completed construction of 'DIRKavro.TXT' look-up files.\n 3 files found."}));
        QCOMPARE(window.frame->statusText()->text(), QString("Ready"));
        QCOMPARE(window.frame->searchFolder(), std::optional(tree));
        // A folder inside the program folder is refused and not remembered for the search.
        window.boxes.clear();
        const std::filesystem::path inside = std::filesystem::path(folder_->path().toStdString()) / "texts";
        std::filesystem::create_directories(inside);
        std::ofstream(inside / "d.TXT") << kSentence;
        window.frame->createFileListIn(inside);
        QCOMPARE(window.boxes, QStringList({"Must not use the Kavro Latin dictionary for searching."}));
        QVERIFY(!std::filesystem::exists(inside / "DIRKavro.TXT"));
        QCOMPARE(window.frame->searchFolder(), std::optional(tree));
    }

    void searchFileListShowsHits() {
        Window window(folder_->path());
        QTemporaryDir texts;
        const std::filesystem::path tree = makeLatinTree(texts);
        window.frame->createFileListIn(tree);
        const std::filesystem::path fails = folder_->filePath("fails.txt").toStdString();
        QTextEdit* shown = window.view().translationBox();

        // The dialog's refusals: nothing is searched and the dialog stays open until cancelled.
        struct Refusal {
            SearchDialogValues values;
            const char* message;
        };
        const Refusal refusals[] = {
            {{SearchKind::Text, "a", "", "", 0, 0}, "Must enter something to search for!"},
            {{SearchKind::Word, "am", "", "", 7, 7}, "Illegal combination of verb and case"},
            {{SearchKind::Word, "am", "", "", 1, 4}, "Illegal combination of non-verb and tense"},
            {{SearchKind::Word, "amat", "ro", "", 0, 0}, "Exclusion item must have same stem"},
        };
        for (const Refusal& refusal : refusals) {
            window.boxes.clear();
            bool accepted = true;
            QVERIFY(!window.search(refusal.values, &accepted));
            QVERIFY2(!accepted, refusal.message);
            QCOMPARE(window.boxes.size(), 1);
            QVERIFY2(window.boxes.front().contains(refusal.message), qPrintable(window.boxes.front()));
            QVERIFY(!std::filesystem::exists(fails));
        }

        // A word search for the verbs of stem "am": every form in every listed file, nothing else.
        window.boxes.clear();
        QVERIFY(window.search({SearchKind::Word, "am", "", "", 7, 0}));
        std::string results = readFile(fails);
        QCOMPARE(shown->toPlainText().toStdString(), results);
        QVERIFY2(results.starts_with("--Search items = am Exclude =  (Speechtype = Verb. Case/tense type = ANY.)\n"
                                     "--Word Search.\n"), results.c_str());
        for (const char* hit : {"*** amat:  Puella rosam amat.", "*** amat:  Agricola puellam amat.",
                                "*** amabat:  Marcus Iuliam amabat."})
            QVERIFY2(results.find(hit) != std::string::npos, hit);
        QVERIFY(results.ends_with("--Search complete.\n"));
        QVERIFY(window.sawBox("No. of files searched was 3.\nNo. of search-hits found was 3."));
        QCOMPARE(readFile(folder_->filePath("parser.txt").toStdString()), std::string());
        QVERIFY(window.frame->action("Save Search &Results...")->isEnabled());

        // A text search with an "And" item: the line of a.TXT alone; its J and j spelt as i.
        QVERIFY(window.search({SearchKind::Text, "ROSAM", "", "Puella", 0, 0}));
        results = readFile(fails);
        QCOMPARE(shown->toPlainText().toStdString(), results);
        QCOMPARE(results, "--Search items = rosam Exclude =  And = puella.\n--Text Search.\n"
                          "\n--Searching file..." + (tree / "a.TXT").string() + "\n1***Puella rosam amat.\n"
                          "--Search complete.\n");
        QVERIFY(window.search({SearchKind::Text, "juliam", "", "", 0, 0}));
        QVERIFY(readFile(fails).find("***Marcus Iuliam amabat.") != std::string::npos);

        // Escape as the search starts ends it in its first file; the hits until then are kept.
        window.boxes.clear();
        connect(&window.view(), &kavro::gui::CKavro5View::jobStarted, this, [&] {
            QVERIFY(!window.frame->action("&Create File List...")->isEnabled());
            QTest::keyClick(window.frame.get(), Qt::Key_Escape);
        }, Qt::SingleShotConnection);
        QVERIFY(window.search({SearchKind::Word, "am", "", "", 7, 0}));
        QVERIFY(window.sawBox("Escape pressed. Only 0 files fully searched and exit."));
        QVERIFY(readFile(fails).ends_with("--Search complete.\n"));
        QVERIFY(window.frame->action("&Search File List...")->isEnabled());
    }

    void saveSearchResultsToChosenFile() {
        Window window(folder_->path());
        const std::filesystem::path home = folder_->path().toStdString();
        QTemporaryDir elsewhere;
        const std::filesystem::path target = std::filesystem::path(elsewhere.path().toStdString()) / "hits.txt";
        // No search yet: nothing to save, and no file made.
        window.frame->saveSearchResultsTo(target);
        QVERIFY(window.sawBox("Cannot open search output file 'fails.txt' file."));
        QVERIFY(!std::filesystem::exists(target));

        const std::string results = "--Search items = rosam Exclude =  And = .\n--Text Search.\n--Search complete.\n";
        std::ofstream(home / "fails.txt") << results;
        window.boxes.clear();
        window.frame->saveSearchResultsTo(target);
        QVERIFY(window.boxes.isEmpty());
        QCOMPARE(readFile(target), results);

        // fails.txt itself, by its name or through a link, is refused.
        const std::filesystem::path link = std::filesystem::path(elsewhere.path().toStdString()) / "link.txt";
        std::filesystem::create_symlink(home / "fails.txt", link);
        for (const std::filesystem::path& same : {home / "fails.txt", link}) {
            window.boxes.clear();
            window.frame->saveSearchResultsTo(same);
            QCOMPARE(window.boxes, QStringList({"Must not use the Search results file!"}));
        }
        QCOMPARE(readFile(home / "fails.txt"), results);

        // An existing file is replaced only when the user says Yes.
        std::ofstream(target, std::ios::trunc) << "my notes\n";
        window.boxes.clear();
        window.frame->saveSearchResultsTo(target);
        QCOMPARE(window.boxes.size(), 1);
        QVERIFY(window.boxes.front().endsWith("already exists.\nDo you want to replace it?"));
        QCOMPARE(readFile(target), std::string("my notes\n"));
        window.yesNoAnswer = BoxAnswer::Yes;
        window.frame->saveSearchResultsTo(target);
        QCOMPARE(readFile(target), results);
    }

    void renderedWindowShowsText() {
        Window window(folder_->path());
        window.setSentenceMode();
        window.frame->resize(1000, 640);
        QVERIFY(window.translate("Gallia est omnis divisa in partes tres. Puella rosam amat."));
        QTextEdit* latin = window.view().latinBox();
        QTextCursor cursor(latin->document());
        cursor.setPosition(47);
        QTest::mouseClick(latin->viewport(), Qt::LeftButton, {}, latin->cursorRect(cursor).center());
        QCoreApplication::processEvents();
        const QString picture = QString(KAVRO_ARTIFACT_DIR) + "/main_window.png";
        QVERIFY(window.frame->grab().save(picture));
        QVERIFY(inkPixels(window.view().latinBox()) > 200);
        QVERIFY(inkPixels(window.view().translationBox()) > 200);
        QVERIFY(inkPixels(window.view().lowerWindow()) > 20);
        // The pictures of the manual: the option dialogs and the glossary window.
        const QString artifacts = QString(KAVRO_ARTIFACT_DIR) + "/";
        QVERIFY(kavro::gui::CSingleWordOptions(2, window.frame.get()).grab().save(artifacts + "single_word_options.png"));
        QVERIFY(kavro::gui::FontDialog(window.view().options(), window.frame.get()).grab().save(artifacts + "font_dialog.png"));
        const SearchDialogValues search{SearchKind::Word, "am", "", "", 7, 0};
        QVERIFY(kavro::gui::SearchDlg(search, window.frame->host(), window.frame.get()).grab().save(artifacts + "search_dialog.png"));
        window.view().options().singleWordTarget = 2;
        window.view().runSingleWord("rosam");
        QVERIFY(window.view().glossaryWindow()->grab().save(artifacts + "glossary_window.png"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
