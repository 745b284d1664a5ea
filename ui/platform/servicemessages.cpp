#include "ui/platform/servicemessages.h"

#include <cstdlib>

#include "ui/platform/dialogservice.h"

ServiceMessages::ServiceMessages(DialogService& dialogs)
    : dialogs_(dialogs), endProcess_([] { std::_Exit(EXIT_FAILURE); }) {}

void ServiceMessages::information(std::string_view utf8) { dialogs_.information(utf8); }

void ServiceMessages::error(std::string_view utf8) { dialogs_.error(utf8); }

void ServiceMessages::fatalStop(std::string_view utf8) {
    dialogs_.fatal(utf8);
    endProcess_();
    std::_Exit(EXIT_FAILURE);  // an end hook that returned must not let the caller go on
}
