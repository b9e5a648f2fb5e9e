#include "toolkit/core/ExceptionMessage.h"

#include "toolkit/core/UserError.h"

#include <new>

BilingualText describeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const UserError& e) {
        return e.text();
    } catch (const std::bad_alloc&) {
        return outOfMemoryText();
    } catch (const std::exception& e) {
        const QString what = QString::fromLocal8Bit(e.what());
        return {what, what};
    } catch (...) {
        return {QStringLiteral("Nieznany błąd"), QStringLiteral("unknown error")};
    }
}

BilingualText outOfMemoryText() {
    return {QStringLiteral("Za mało pamięci"), QStringLiteral("out of memory")};
}
