#include "tools/imgpak/format_template.h"

#include "tools/imgpak/convert_error.h"

#include <gtest/gtest.h>

namespace imgpak::test {
namespace {

const FormatValues kValues{"logo", 12, 3, "short"};

std::string rendered(std::string_view text) {
    return FormatTemplate::parse(text, "fmt").render(kValues);
}

std::string failureOf(std::string_view text) {
    try {
        FormatTemplate::parse(text, "fmt");
    } catch (const ConvertError& e) {
        return e.what();
    }
    return "(accepted)";
}

TEST(FormatTemplateTest, FillsTheSixValuesInOrder) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"#define %s_W %d\r\n#define %s_H %d\r\nconst unsigned %s %s[] = {\r\n",
         "#define logo_W 12\r\n#define logo_H 3\r\nconst unsigned short logo[] = {\r\n"},
        {"", ""},
        {"no placeholders", "no placeholders"},
        {"%s only", "logo only"},                        // fewer take the first values
        {"%s %i %s %i", "logo 12 logo 3"},               // %i for a number
        {"100%% %s", "100% logo"},                       // %% is a percent sign
        {"%%d %%s%%", "%d %s%"},                         // and takes no value
        {"[%8s] %d [%-8s]", "[    logo] 12 [logo    ]"}, // widths and "-" for text
        {"[%.2s]", "[lo]"},                              // precision cuts text
        {"%s %05d", "logo 00012"},                       // flags for numbers
        {"%s %-4d|", "logo 12  |"},
        {"%s %+d", "logo +12"},
        {"%s % d", "logo  12"},
        {"%s %.3d", "logo 012"},
        {"%s %d %s %+05d", "logo 12 logo +0003"},
        {"%s %d %s %-+5i|", "logo 12 logo +3   |"},
        {"%s%d%s%d%s%s\x1A", "logo12logo3shortlogo"},                // a last 0x1A is dropped
        {"%s\x1A\x1A", "logo\x1A"},                                  // only the last one
        {std::string_view("a\0b%s", 5), std::string("a\0blogo", 7)}, // zero bytes pass through
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(rendered(text), expected) << text;
    }
}

TEST(FormatTemplateTest, WidthAndPrecisionStopAt255) {
    EXPECT_EQ(rendered("%255s").size(), 255u);
    EXPECT_NE(failureOf("%256s"), "(accepted)");
    EXPECT_NE(failureOf("%s%.99999999999999999999d"), "(accepted)");
}

TEST(FormatTemplateTest, RefusesOtherPlaceholders) {
    const std::string hint = "; a format file takes up to six placeholders, %s %d %s %d %s %s (name, width "
                             "in tiles, name, height in tiles, element type, name) in this order, and %% "
                             "for a percent sign\r\n";
    const std::pair<std::string_view, std::string> cases[] = {
        {"%d", "fmt: placeholder 1 \"%d\" is not accepted" + hint},
        {"%s %s", "fmt: placeholder 2 \"%s\" is not accepted" + hint},
        {"%s %d %s %d %d %s", "fmt: placeholder 5 \"%d\" is not accepted" + hint},
        {"%n", "fmt: placeholder 1 \"%n\" is not accepted" + hint},
        {"%s %x", "fmt: placeholder 2 \"%x\" is not accepted" + hint},
        {"%s %ld", "fmt: placeholder 2 \"%l\" is not accepted" + hint},
        {"%*s", "fmt: placeholder 1 \"%*s\" is not accepted" + hint},
        {"%s %*d", "fmt: placeholder 2 \"%*d\" is not accepted" + hint},
        {"%p", "fmt: placeholder 1 \"%p\" is not accepted" + hint},
        {"%05s", "fmt: placeholder 1 \"%05s\" is not accepted" + hint},
        {"%1$s", "fmt: placeholder 1 \"%1$s\" is not accepted" + hint},
        {"%s\r\n%\r\n", "fmt: placeholder 2 \"%\" is not accepted" + hint},
        {"%s %-", "fmt: the text ends inside placeholder 2 \"%-\"" + hint},
        {"%", "fmt: the text ends inside placeholder 1 \"%\"" + hint},
        {"%s%d%s%d%s%s%s", "fmt: placeholder 7 \"%s\" is one too many" + hint},
        {"%s%d%s%d%s%s %% %d", "fmt: placeholder 7 \"%d\" is one too many" + hint},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(failureOf(text), expected) << text;
    }
}

} // namespace
} // namespace imgpak::test
