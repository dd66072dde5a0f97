// corvane-viewer: shows a tournament's result pages as a browser renders them.
#include "platform/ScreenIdentity.h"
#include "platform/ViewerArguments.h"
#include "res/icons/ApplicationIcon.h"
#include "viewer/DisplayWindow.h"
#include "viewer/TournamentPdf.h"
#include "viewer/ViewerListener.h"
#include "viewer/ViewerWindow.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>
#include <string_view>
#include <unistd.h>

namespace {

using corvane::viewer::ViewerWindow;

// The toolkit reads "--display NAME" as the X server to use, so the viewer's own
// --display (before any "--") is kept from it and given back afterwards.
constexpr std::string_view displayOption = "--display";

std::vector<char*> withoutDisplayOption(int argc, char** argv, bool& removed) {
    std::vector<char*> kept;
    bool optionsEnded = false;
    for (int i = 0; i < argc; ++i) {
        optionsEnded = optionsEnded || std::string_view(argv[i]) == "--";
        if (!optionsEnded && i > 0 && argv[i] == displayOption)
            removed = true;
        else
            kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

std::vector<std::string> toWords(const QStringList& list) {
    std::vector<std::string> words;
    for (qsizetype i = 1; i < list.size(); ++i)
        words.push_back(list[i].toStdString());
    return words;
}

// Test use: prints `firstLine` and the text of `view`'s page, then ends the program.
void PrintPageAndExit(QWebEngineView& view, const QString& firstLine) {
    view.page()->toPlainText([firstLine](const QString& text) {
        std::printf("%s\n%s\n", qPrintable(firstLine), qPrintable(text));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

// Test use: once the first page is shown, prints the caption and the page's text and ends.
void ExitAfterFirstPage(ViewerWindow& window) {
    QObject::connect(window.view(), &QWebEngineView::loadFinished, &window, [&window](bool ok) {
        if (ok)
            PrintPageAndExit(*window.view(), window.windowTitle());
    });
}

// Test use: says each page shown, so a publish can be timed to the page on screen.
void PrintEachLoad(ViewerWindow& window) {
    QObject::connect(window.view(), &QWebEngineView::loadFinished, &window, [](bool ok) {
        if (ok) {
            std::printf("loaded\n");
            std::fflush(stdout);
        }
    });
}

// --pdf: the whole tournament into one PDF file, without a window. Exit status
// 0 when it was written, 1 with the reason on standard error when not.
int SaveTournamentPdf(const corvane::viewer::ViewerArguments& args) {
    // Off the record, as the window's: nothing of the pages is kept.
    QWebEngineProfile profile;
    corvane::viewer::TournamentPdf pdf(&profile);
    QString error;
    bool done = false;
    QObject::connect(&pdf, &corvane::viewer::TournamentPdf::finished,
                     [&error, &done](const QString& why) {
                         error = why;
                         done = true;
                         QCoreApplication::exit(0);
                     });
    pdf.start(QString::fromStdString(args.page), QString::fromStdString(args.pdfOutput));
    if (!done) {
        QApplication::exec();
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "corvane-viewer: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

// --display: the projector display of a working directory, on the screen named
// by its name and place, or by its name alone (the primary one when none is
// named or no screen has that name).
int ShowDisplay(const corvane::viewer::ViewerArguments& args) {
    corvane::viewer::DisplayWindow window(QString::fromStdString(args.page));
    if (args.exitAfterLoad) {
        QObject::connect(&window, &corvane::viewer::DisplayWindow::updated, &window,
                         [&window] { PrintPageAndExit(*window.view(), window.updatedText()); });
    }
    QScreen* screen = corvane::platform::findScreen(QString::fromStdString(args.screen));
    window.ShowOn(screen ? screen : QGuiApplication::primaryScreen());
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace corvane::viewer;

    // Help and version need no display, so they are answered before the toolkit starts.
    const ViewerArguments early =
        parseViewerArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (early.help) {
        std::fputs(viewerUsage().c_str(), stdout);
        return 0;
    }
    if (early.version) {
        std::printf("corvane-viewer %s\n", CORVANE_VERSION);
        return 0;
    }

    // A PDF is written without a window, so no display is needed, not even to
    // say that the command line is wrong.
    if (early.pdf)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Chromium will not run its sandbox as root (as in CI); only then it goes without.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    bool display = false;
    std::vector<char*> toolkitArgv = withoutDisplayOption(argc, argv, display);
    int toolkitArgc = static_cast<int>(toolkitArgv.size()) - 1;
    QApplication app(toolkitArgc, toolkitArgv.data());
    // The engine's account of its graphics set-up is no news to the organiser.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-viewer"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QApplication::setWindowIcon(corvane::res::applicationIcon());

    // Read again without the toolkit's own options, such as -platform.
    std::vector<std::string> words = toWords(QCoreApplication::arguments());
    if (display)
        words.insert(words.begin(), std::string(displayOption));
    const ViewerArguments args = parseViewerArguments(words);
    if (!args.error.empty()) {
        std::fprintf(stderr, "corvane-viewer: %s\n\n%s", args.error.c_str(), viewerUsage().c_str());
        return 2;
    }

    if (args.pdf)
        return SaveTournamentPdf(args);
    if (args.display)
        return ShowDisplay(args);

    ViewerWindow window;
    if (args.exitAfterLoad)
        ExitAfterFirstPage(window);
    if (args.printLoads)
        PrintEachLoad(window);
    window.OpenPage(QString::fromStdString(args.page));
    // A later publish of the same working directory reloads this viewer in place.
    corvane::viewer::ViewerListener listener(QString::fromStdString(args.page));
    QObject::connect(&listener, &corvane::viewer::ViewerListener::showRequested, &window,
                     &ViewerWindow::OpenPage);
    window.show();
    return QApplication::exec();
}
