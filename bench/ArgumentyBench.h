#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A benchmark program's arguments, one after another: each a name and, for
// an option that takes one, the value after it. A missing value ends the
// program with status 2, after saying which.
class ArgumentyBench {
public:
    ArgumentyBench(int argc, char** argv) : argc_(argc), argv_(argv) {}

    // Moves to the next argument; false past the last.
    bool Nastepny() {
        if (++i_ >= argc_)
            return false;
        biezacy_ = argv_[i_];
        return true;
    }
    const std::string& Biezacy() const { return biezacy_; }
    // The argument after the current one, as its value.
    std::string Wartosc() {
        if (i_ + 1 >= argc_) {
            std::fprintf(stderr, "%s needs a value\n", biezacy_.c_str());
            std::exit(2);
        }
        return argv_[++i_];
    }

private:
    int argc_;
    char** argv_;
    int i_ = 0;
    std::string biezacy_;
};
