#include "app/OknaProgramu.h"
#include "app/PlikiMatrycy.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/Handler.h"
#include "toolkit/gui/QtTranslations.h"

#include <QCommandLineParser>

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    Application app(argc, argv);
    const auto qtTranslations = installQtTranslations();
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("Plik TSPLIB (.tsp) otwierany na starcie."));
    parser.parse(QCoreApplication::arguments());
    try {
        auto okna = std::make_unique<OknaProgramu>();
        // Showing the window reads the settings; the file's cities come after.
        okna->WedrownikForm.show();
        if (!parser.positionalArguments().isEmpty())
            runHandler([&] { okna->WedrownikForm.Pliki->Otworz(parser.positionalArguments().constFirst()); });
        Application::exec();
    } catch (...) {
        Application::reportException(std::current_exception());
    }
    return 0;
}
