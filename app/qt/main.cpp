// kavro-gui: the desktop window. Options: --home DIR (the program folder; default a folder of
// the user's own), --data DIR (the compiled lexicon; default the installed one).
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QMessageBox>

#include "app/program_folder_lock.h"
#include "app/program_folders.h"
#include "app/qt/kavro_view.h"
#include "app/qt/main_frame.h"

namespace {

constexpr const char* kFolderInUse =
    "Another Kavro Latin is using the program folder\n%1\nClose it first.";
constexpr const char* kNoFolder = "Cannot make the program folder; set KAVRO_HOME to a folder you can write.";

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Kavro");
    QApplication::setApplicationName("Kavro Latin");
    QApplication::setApplicationVersion(KAVRO_VERSION_STRING);
    QApplication::setDesktopFileName("kavro-latin");
    QApplication::setWindowIcon(QIcon::fromTheme("kavro-latin"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption home("home", "Program folder (work files and user files).", "DIR");
    const QCommandLineOption data("data", "Folder of the compiled lexicon.", "DIR");
    parser.addOption(home);
    parser.addOption(data);
    parser.process(app);

    const std::filesystem::path folder =
        parser.isSet(home) ? std::filesystem::path(parser.value(home).toStdString()) : kavro::userProgramFolder();
    if (folder.empty() || !std::filesystem::is_directory(folder)) {
        QMessageBox::critical(nullptr, "Kavro Latin", kNoFolder);
        return 1;
    }
    const kavro::FolderLock lock = kavro::takeProgramFolderLock(folder, kavro::LockWait::Never);
    if (lock.outcome != kavro::LockOutcome::Locked) {
        QMessageBox::critical(nullptr, "Kavro Latin",
                              QString(kFolderInUse).arg(QString::fromStdString(folder.string())));
        return 1;
    }
    const std::filesystem::path dataFolder = parser.isSet(data)
                                                 ? std::filesystem::path(parser.value(data).toStdString())
                                                 : kavro::defaultDataFolder(KAVRO_BUILD_DATA_DIR);
    kavro::gui::CMainFrame frame(folder, dataFolder);
    frame.restorePlacement();
    frame.show();
    if (!frame.startUp()) return 1;
    return app.exec();
}
