#include "elements/platform.h"

#include <cstdio>
#include <cstdlib>

namespace {
// Used until the program or a test installs its own sink.
class StderrMessages final : public UserMessages {
public:
    void information(std::string_view utf8) override { print("Informationen", utf8); }
    void error(std::string_view utf8) override { print("Fehler", utf8); }
    void fatalStop(std::string_view utf8) override { print("Fehler", utf8); }

private:
    static void print(const char* caption, std::string_view utf8) {
        std::fprintf(stderr, "%s: %.*s\n", caption, static_cast<int>(utf8.size()), utf8.data());
    }
};

StderrMessages stderrMessages;
UserMessages* current = nullptr;
}  // namespace

int Surface::textWidth(std::string_view utf8) {
    int characters = 0;
    // Every byte that does not continue a UTF-8 sequence starts a character.
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return 7 * characters;
}

UserMessages& userMessages() { return current ? *current : stderrMessages; }

ScopedUserMessages::ScopedUserMessages(UserMessages& messages) : previous_(current) {
    current = &messages;
}

ScopedUserMessages::~ScopedUserMessages() { current = previous_; }

void fatalStop(std::string_view utf8) {
    userMessages().fatalStop(utf8);
    // The sink returned: end the process as the message promised.
    std::_Exit(EXIT_FAILURE);
}
