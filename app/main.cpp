#include "app/OknaProgramu.h"
#include "toolkit/gui/Application.h"
#include "toolkit/gui/QtTranslations.h"

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    Application app(argc, argv);
    const auto qtTranslations = installQtTranslations();
    try {
        auto okna = std::make_unique<OknaProgramu>();
        okna->WedrownikForm.show();
        Application::exec();
    } catch (...) {
        Application::reportException(std::current_exception());
    }
    return 0;
}
