#include "tools/Cctlmessages.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const char* KindName(TMessages::Kind kind) {
    switch (kind) {
    case TMessages::Error:
        return "error";
    case TMessages::Warning:
        return "warning";
    case TMessages::Information:
        return "information";
    case TMessages::Confirmation:
        return "question";
    }
    return "";
}

} // namespace

bool TStderrMessages::Show(Kind kind, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", KindName(kind), text.toUtf8().constData());
    if (kind == Error)
        ++errors;
    if (kind != Confirmation)
        return true;
    if (assumeYes) {
        std::fprintf(stderr, "yes\n");
        return true;
    }
    std::fprintf(stderr, "[y/N] ");
    std::fflush(stderr);
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}
