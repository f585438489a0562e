#include "library/DocNumberRules.h"

#include "common/TextBox.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// Types by their REFDOCTYP description; any other description is an ordinary account number.
TEST(DocNumberRules, validates_whole_and_partly_typed_numbers_by_type_description) {
    const std::string shape = "Account Number must be seven digits, a \"-\" and one check digit";
    const std::string check = "Account Number check digit is invalid";
    const struct {
        const char* type;
        const char* number;
        std::string message; // "" when valid
    } rows[] = {{"Enforcement Form", "", ""},
                {"Enforcement Form", "12345", ""},
                {"Enforcement Form", "1234567", ""},
                {"Enforcement Form", "1234567-", ""},
                {"Enforcement Form", "1234567-4", ""},
                {"Enforcement Form", "0000012-5", ""},
                {"Enforcement Form", "1234567-5", check},
                {"Enforcement Form", "12345678", shape},
                {"Enforcement Form", "123-4", shape},
                {"Enforcement Form", "1234567-44", shape},
                {"Enforcement Form", "12a", shape},
                {"Check Number", "ab12CD", ""},
                {"CHECK NUMBER", "AB-12", "Only AlphaNumeric is allowed"},
                {"CHECK NUMBER", "ABCDEFGHIJ0123456789", ""},
                {"CHECK NUMBER", "ABCDEFGHIJ01234567890", "Check Number must be at most 20 characters"},
                {"PAYMENT PLAN", "0012345678901", ""},
                {"PAYMENT PLAN", "12-3", "Only numeric is allowed"},
                {"ALERT", "12A", "Only numeric is allowed"},
                {"RECEIPT", "0100001-7", ""},
                {"RECEIPT", "0100001-6", check}};
    for (const auto& row : rows) {
        std::string message = "stale";

        const bool valid = DocNumberRules::Validate(DocNumberRules::KindOf(row.type), row.number, message);

        EXPECT_EQ(valid, row.message.empty()) << row.type << " " << row.number;
        EXPECT_EQ(message, row.message) << row.type << " " << row.number;
    }
}

// Keys are code points: none beyond ASCII is a digit or letter of a number, and a check number's
// length counts characters (the last row's nineteen take twenty bytes).
TEST(DocNumberRules, lets_through_only_keys_that_keep_the_number_well_formed) {
    const struct {
        const char* type;
        const char* text;
        int key;
        int keyAfter; // 0 when refused
    } rows[] = {{"ACCOUNT", "", '1', '1'},
                {"ACCOUNT", "123456", '7', '7'},
                {"ACCOUNT", "123456", '-', 0},
                {"ACCOUNT", "1234567", '-', '-'},
                {"ACCOUNT", "1234567", '8', 0},
                {"ACCOUNT", "1234567-", '9', '9'}, // wrong digit: OK tells
                {"ACCOUNT", "1234567-4", '1', 0},
                {"ACCOUNT", "1234567-4", kKeyBackspace, kKeyBackspace},
                {"ACCOUNT", "", 'a', 0},
                {"CHECK NUMBER", "", 'a', 'A'},
                {"CHECK NUMBER", "", '-', 0},
                {"CHECK NUMBER", "ABCDEFGHIJ0123456789", 'B', 0},
                {"PAYMENT PLAN", "12", '-', 0},
                {"ALERT", "", '5', '5'},
                {"RECEIPT", "", 'x', 0},
                {"RECEIPT", "0100001", '-', '-'},
                {"RECEIPT", "", kKeyBackspace, kKeyBackspace},
                {"ACCOUNT", "12", 0xE9, 0},
                {"RECEIPT", "", 0x20AC, 0},
                {"CHECK NUMBER", "AB", 0x1F600, 0},
                {"CHECK NUMBER", "\u00c9BCDEFGHIJ012345678", 'b', 'B'}};
    for (const auto& row : rows) {
        int key = row.key;

        const bool allowed = DocNumberRules::AllowKey(DocNumberRules::KindOf(row.type), row.text, key);

        EXPECT_EQ(allowed, row.keyAfter != 0) << row.type << " " << row.text << " " << row.key;
        EXPECT_EQ(key, row.keyAfter) << row.type << " " << row.text << " " << row.key;
    }
}

} // namespace
} // namespace tavrik
