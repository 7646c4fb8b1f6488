// The main frame: the menus built from the command table, the tool bar, the status bar with the
// job's progress and its Cancel button, the floating Copy/Cut/Paste menu, and the frame's
// placement kept under "Placement" in the settings store.
#pragma once

#include <QMainWindow>

#include <filesystem>
#include <optional>
#include <vector>

#include "search/search_request.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QPrinter;
class QTextEdit;

namespace kavro::gui {

class CKavro5View;
class QtHost;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(std::filesystem::path programFolder, std::filesystem::path dataFolder);
    ~CMainFrame() override;

    CKavro5View& view() { return *view_; }
    QtHost& host() { return *host_; }
    // The menu entry with this text (as the table gives it), for the tests.
    QAction* action(const QString& text) const;
    QLabel* statusText() const { return statusText_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The file dialog of "Open" and "Rename File": the chosen file, or nothing when the user
    // cancelled or the name is one of the program's own files (refused with its message).
    // A save dialog asks itself before a file is replaced unless `askBeforeReplacing` is off
    // (the command then asks through the host).
    std::optional<std::filesystem::path> chooseFile(bool forSaving, bool askBeforeReplacing = true);
    // The folder chooser of "Create File List" ("Locate directory to search").
    std::optional<std::filesystem::path> chooseSearchFolder();
    // The commands that take a file, for a caller that already has one.
    void openLatinFile(const std::filesystem::path& file);
    void saveTranslationTo(const std::filesystem::path& file);
    void reloadTranslationFrom(const std::filesystem::path& file);
    void spellCheckOf(const std::filesystem::path& file);
    // The folder search: the file list of a chosen folder (which the search then uses), and the
    // results saved to a chosen file.
    void createFileListIn(const std::filesystem::path& folder);
    void saveSearchResultsTo(const std::filesystem::path& file);
    // The folder the next search uses when one was chosen in this run.
    const std::optional<std::filesystem::path>& searchFolder() const { return searchFolder_; }

    void restorePlacement();
    // The view's start-up, then the menu's check marks from the options it read.
    bool startUp();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildOptionsMenu(QMenu* menu);
    void buildToolBar();
    void buildStatusBar();
    QAction* addCommand(QMenu* menu, std::string_view text, std::function<void()> effect);
    void refreshMenuStates();
    void setJobRunning(bool running);
    void showFloatingMenu(const QPoint& at, QWidget* box);
    void editCommand(void (*edit)(QTextEdit*));

    void openCommand();
    void renameCommand();
    void reloadCommand();
    void printCommand(bool preview);
    void singleWordModeCommand();
    void spellCheckCommand();
    void createFileListCommand();
    void searchFileListCommand();
    void saveSearchResultsCommand();
    void fontCommand();
    void saveSettingsCommand();
    void dictionaryCommand();
    void helpCommand();
    void storePlacement();

    QtHost* host_;
    CKavro5View* view_;
    QMenu* options_ = nullptr;
    std::vector<QAction*> actions_;
    std::vector<std::function<void()>> stateRefreshers_;
    QLabel* statusText_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPrinter* printer_ = nullptr;
    // The folder search: the folder chosen in this run and the dialog's values between searches.
    std::optional<std::filesystem::path> searchFolder_;
    SearchDialogValues searchValues_;
    bool searching_ = false;
};

}  // namespace kavro::gui
