#include "toolkit/core/ExceptionMessage.h"

#include "toolkit/core/UserError.h"

#include <new>

QString describeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UserError& e) {
        return e.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Za mało pamięci");
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Nieznany błąd");
    }
}
