#include "app/OknaProgramu.h"
#include "toolkit/gui/Application.h"

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    Application app(argc, argv);
    try {
        auto okna = std::make_unique<OknaProgramu>();
        okna->WedrownikForm.show();
        Application::exec();
    } catch (...) {
        Application::reportException(std::current_exception());
    }
    return 0;
}
