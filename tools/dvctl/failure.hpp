// How dvctl fails: a library result code and what the user asked for.
#pragma once

#include <stdexcept>
#include <string>

#include "libdvc/libdvc.h"

namespace dvc::cli {

// `detail` is what was asked, optionally followed by "; " and what would
// help ("setting volume to 500; it takes 0 to 100"): the library's sentence
// goes between the two. An `explained` failure says all in its detail.
class Failure : public std::runtime_error {
public:
    Failure(DvError code, std::string detail, bool explained = false)
        : std::runtime_error(std::move(detail)), code_(code), explained_(explained) {}
    DvError Code() const { return code_; }
    bool Explained() const { return explained_; }

private:
    DvError code_;
    bool explained_;
};

// A mistake on the command line, found before any call of the library: a
// name that means nothing, a value that is not one, a missing option.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws a Failure for a negative result; returns it otherwise.
DvError Check(DvError result, const std::string& what);

// "error: <what was asked>: <sentence>[; <what would help>] (<DvError name>)"
// on stderr; the exit status to use.
int Report(const Failure& failure);
// "error: <what>" on stderr; the exit status to use.
int Report(const UsageError& error);

}  // namespace dvc::cli
