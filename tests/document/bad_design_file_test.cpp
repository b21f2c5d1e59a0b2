// Malformed design files, one table: each is rejected with its message and the design stays as it
// was, or is opened whole.
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "document/design_file.h"
#include "document/document_test_support.h"
#include "document/test_files.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"

namespace tc {
namespace {

using test::raw;

constexpr std::size_t kFileSize = 154298;
constexpr int kOpens = 0;
constexpr int kBadFormat = 2801;
constexpr int kNewer = 2802;

// Where the blocks of a design file begin, and the device text tables inside the last one.
std::vector<std::size_t> block_boundaries() {
    std::vector<std::size_t> offsets = {20, 13390, 113930, 120550, 121316, 122178, 122678};
    std::size_t table = 122678;
    for (const texts::DeviceTable& t : texts::kDeviceTables) {
        table += static_cast<std::size_t>(t.slots) * 51;
        offsets.push_back(table);
    }
    offsets.back() = kFileSize;
    return offsets;
}

std::vector<Byte> random_bytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<Byte> bytes(size);
    for (Byte& b : bytes) b = static_cast<Byte>(byte(random));
    return bytes;
}

std::vector<Byte> with_header(std::vector<Byte> bytes, const std::string& header) {
    if (bytes.size() < header.size()) bytes.resize(header.size());
    std::copy(header.begin(), header.end(), bytes.begin());
    return bytes;
}

std::vector<Byte> first(const std::vector<Byte>& bytes, std::size_t size) {
    return std::vector<Byte>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
}

struct BadFile {
    std::string name;
    std::vector<Byte> bytes;
    int outcome;  // kOpens, or the message that rejects it
};

std::vector<BadFile> bad_files(const std::vector<Byte>& good) {
    using namespace std::string_literals;
    std::vector<BadFile> files = {
        {"empty", {}, kBadFormat},
        {"3 bytes", {'T', 'C', '7'}, kBadFormat},
        {"header only", first(good, 20), kBadFormat},
        {"wrong kind", with_header(good, "TC7351-01000100"), kBadFormat},
        {"lower-case kind", with_header(good, "tc7350-01000100"), kBadFormat},
        {"newer version", with_header(good, "TC7350-01000101"), kNewer},
        {"much newer, short", first(with_header(good, "TC7350-99999999"), 100), kNewer},
        {"older version", with_header(good, "TC7350-01000099"), kOpens},
        {"kind then zeros", with_header(good, "TC7350\0\0\0\0\0\0\0\0\0"s), kOpens},
        {"one byte short", first(good, kFileSize - 1), kBadFormat},
        {"random bytes", random_bytes(kFileSize, 1), kBadFormat},
    };
    for (const std::size_t boundary : block_boundaries()) {
        for (const std::size_t size : {boundary - 1, boundary, boundary + 1}) {
            if (size >= kFileSize) continue;
            files.push_back({"short at " + std::to_string(size), first(good, size), kBadFormat});
        }
    }
    std::vector<Byte> longer = good;
    longer.push_back(0x00);
    files.push_back({"one trailing byte", longer, kOpens});
    longer.insert(longer.end(), 100000, 0xFF);
    files.push_back({"100,000 trailing bytes", longer, kOpens});
    for (unsigned seed = 2; seed < 6; ++seed) {
        const std::vector<Byte> noise =
            with_header(random_bytes(kFileSize + seed, seed), "TC7350-01000100");
        files.push_back({"random with a good header " + std::to_string(seed), noise, kOpens});
        files.push_back(
            {"random and short " + std::to_string(seed), first(noise, seed * 30000), kBadFormat});
    }
    return files;
}

class BadDesignFile : public ::testing::Test {
  protected:
    BadDesignFile() {
        auto doc = std::make_unique<DesignDocument>();
        texts::fill_text_tables(texts_, doc->device_texts);
        reset_design_document(*doc, texts_);
        good_ = design_file_bytes(*doc);
    }

    std::vector<Byte> block(const std::vector<Byte>& bytes, std::size_t from, std::size_t to) {
        return std::vector<Byte>(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                                 bytes.begin() + static_cast<std::ptrdiff_t>(to));
    }

    // The records that the file gives: they come in as the file holds them, and the fix-ups hold.
    void expect_loaded_from(const DesignDocument& doc, const std::vector<Byte>& bytes) {
        EXPECT_EQ(raw(doc.menus), block(bytes, 20, 13390));
        EXPECT_EQ(raw(doc.lookups), block(bytes, 113930, 120550));
        EXPECT_EQ(raw(doc.reader), block(bytes, 120550, 121316));
        EXPECT_EQ(raw(doc.system), block(bytes, 121316, 122178));
        EXPECT_EQ(raw(doc.reader_working), raw(doc.reader));
        EXPECT_EQ(raw(doc.lookups_working), raw(doc.lookups));
        EXPECT_EQ(doc.rfid, bytes[120550 + 736] != 0);
        for (const FormRecord& form : doc.forms) {
            for (const auto& prompt : form.prompt) EXPECT_LE(slot_text_length(prompt), 30u);
        }
    }

    test::TempFolder folder_;
    const texts::ProgramTexts texts_;
    std::vector<Byte> good_;
};

TEST_F(BadDesignFile, EachIsRejectedWithItsMessageAndLeavesTheDesignOrOpensWhole) {
    ui::HeadlessHost host;
    auto doc = std::make_unique<DesignDocument>();
    std::vector<Byte> before;
    // The path is reported before the records are read.
    std::vector<std::string> used;
    bool unread_when_used = false;
    FileContext context{texts_, host, [&](const std::string& path) {
                            used.push_back(path);
                            unread_when_used = test::document_bytes(*doc) == before;
                        }};
    const std::string path = folder_.file("bad.T73");
    for (const BadFile& file : bad_files(good_)) {
        SCOPED_TRACE(file.name);
        test::fill_document(*doc, 9);
        doc->file_name = "previous.T73";
        doc->modified = true;
        before = test::document_bytes(*doc);
        host.clear_record();
        used.clear();
        test::write_bytes(path, file.bytes);

        const bool opened = open_design_file(*doc, path, context);
        EXPECT_EQ(opened, file.outcome == kOpens);
        EXPECT_EQ(doc->file_name, "previous.T73");
        EXPECT_TRUE(doc->modified);
        if (file.outcome == kOpens) {
            EXPECT_TRUE(host.messages().empty());
            EXPECT_EQ(used, std::vector<std::string>{path});
            EXPECT_TRUE(unread_when_used);
            expect_loaded_from(*doc, file.bytes);
        } else {
            ASSERT_EQ(host.messages().size(), 1u);
            EXPECT_EQ(host.messages()[0].text, texts::builtin_text(file.outcome));
            EXPECT_EQ(host.messages()[0].title, "Error");
            EXPECT_TRUE(used.empty());
            EXPECT_TRUE(test::document_bytes(*doc) == before) << "the design changed";
        }
    }
}

}  // namespace
}  // namespace tc
