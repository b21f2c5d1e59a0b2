#include "document/design_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "document/document_test_support.h"
#include "document/test_files.h"
#include "texts/device_texts.h"
#include "ui/headless_host.h"

namespace tc {
namespace {

using test::raw;

// Offsets and sizes of the design file, as the file format fixes them.
constexpr std::size_t kFileSize = 154298;
constexpr std::size_t kMenus = 20, kMenuSize = 1337;
constexpr std::size_t kForms = 13390, kFormSize = 5027;
constexpr std::size_t kLookups = 113930, kLookupSize = 1324;
constexpr std::size_t kReader = 120550, kReaderSize = 766;
constexpr std::size_t kSystem = 121316, kSystemSize = 862;
constexpr std::size_t kReserved = 122178, kReservedEnd = 122678;
constexpr std::size_t kDeviceTexts = 122678, kDeviceTextsSize = 31620;
constexpr std::size_t kSlot = 51;

std::vector<Byte> slice(const std::vector<Byte>& bytes, std::size_t offset, std::size_t size) {
    return std::vector<Byte>(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                             bytes.begin() + static_cast<std::ptrdiff_t>(offset + size));
}

std::size_t prompt_length(const std::array<Byte, kSlot>& slot) {
    return slot_text_length(slot);
}

// A design as the program makes it: reset records and device texts from the program texts.
void make_new_design(DesignDocument& doc, const texts::ProgramTexts& texts) {
    texts::fill_text_tables(texts, doc.device_texts);
    reset_design_document(doc, texts);
}

struct Recorder {
    std::vector<std::string> paths;
    std::function<void(const std::string&)> callback() {
        return [this](const std::string& path) { paths.push_back(path); };
    }
};

TEST(DesignFile, ImagePutsHeaderBlocksAndDeviceTablesAtTheirOffsets) {
    DesignDocument doc;
    test::fill_document(doc, 3);
    const std::vector<Byte> image = design_file_bytes(doc);
    ASSERT_EQ(image.size(), kFileSize);
    EXPECT_EQ(std::string(image.begin(), image.begin() + 15), "TC7350-01000100");
    EXPECT_EQ(slice(image, 15, 5), std::vector<Byte>(5, 0));
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(slice(image, kMenus + i * kMenuSize, kMenuSize), raw(doc.menus[i])) << i;
    }
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(slice(image, kForms + i * kFormSize, kFormSize), raw(doc.forms[i])) << i;
    }
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(slice(image, kLookups + i * kLookupSize, kLookupSize), raw(doc.lookups[i]));
    }
    EXPECT_EQ(slice(image, kReader, kReaderSize), raw(doc.reader));
    EXPECT_EQ(slice(image, kSystem, kSystemSize), raw(doc.system));
    EXPECT_EQ(slice(image, kReserved, kReservedEnd - kReserved), std::vector<Byte>(500, 0));
    EXPECT_EQ(slice(image, kDeviceTexts, kDeviceTextsSize), raw(doc.device_texts.bytes));
    // The working copies are not part of the file.
    const std::string marker = "WORKING COPY MARKER";
    test::put_text(doc.reader_working.bytes, marker);
    test::put_text(doc.lookups_working[2].field_name[3], marker);
    const std::vector<Byte> again = design_file_bytes(doc);
    EXPECT_EQ(std::search(again.begin(), again.end(), marker.begin(), marker.end()), again.end());
    EXPECT_EQ(again, image);
}

TEST(DesignFile, ImageLoadsBackWithTheFixUps) {
    const texts::ProgramTexts texts;
    DesignDocument saved;
    test::fill_document(saved, 5);
    test::put_text(saved.forms[3].prompt[4], std::string(40, 'P'));
    test::put_text(saved.forms[5].prompt[0], std::string(30, 'Q'));
    test::put_text(saved.device_texts.slot(3106), "SECOND NOTICE");
    test::put_text(saved.device_texts.slot(3104), "FIRST NOTICE, THE LONGER OF THE TWO");
    test::put_text(saved.device_texts.slot(3741), "TEXT OF THE FILE'S LANGUAGE");
    saved.reader[736] = 1;
    saved.reader[404] = 0x40;

    DesignDocument doc;
    test::fill_document(doc, 11);
    doc.file_name = "kept name";
    doc.modified = true;
    load_design_file_bytes(doc, design_file_bytes(saved), texts);

    EXPECT_EQ(raw(doc.menus), raw(saved.menus));
    EXPECT_EQ(raw(doc.lookups), raw(saved.lookups));
    EXPECT_EQ(raw(doc.reader), raw(saved.reader));
    EXPECT_EQ(raw(doc.system), raw(saved.system));

    // Prompts longer than 30 characters come back cut by a zero at offset 30, nothing else.
    auto forms = saved.forms;
    for (FormRecord& form : forms) {
        for (auto& prompt : form.prompt) {
            if (prompt_length(prompt) > 30) prompt[30] = 0;
        }
    }
    EXPECT_EQ(raw(doc.forms), raw(forms));
    EXPECT_EQ(slot_text(doc.forms[3].prompt[4]), std::string(30, 'P'));
    EXPECT_EQ(doc.forms[3].prompt[4][39], 'P');
    EXPECT_EQ(slot_text(doc.forms[5].prompt[0]), std::string(30, 'Q'));

    // Text 3106 is copied over 3104 as a text; texts 3741-3760 come from the program texts.
    auto device = saved.device_texts.bytes;
    const std::size_t about = 124463 - kDeviceTexts;
    std::memcpy(device.data() + about + 3 * kSlot, "SECOND NOTICE", 14);
    const std::size_t image_texts = 151238 - kDeviceTexts;
    for (int k = 0; k < 20; ++k) {
        texts::put_text_in_slot(texts, 3741 + k,
                                std::span(device).subspan(image_texts + k * kSlot, kSlot));
    }
    EXPECT_EQ(raw(doc.device_texts.bytes), raw(device));
    EXPECT_EQ(slot_text(doc.device_texts.slot(3104)), "SECOND NOTICE");
    EXPECT_EQ(slot_text(doc.device_texts.slot(3741)).substr(0, 20), "2D Image Properties ");

    EXPECT_EQ(raw(doc.reader_working), raw(saved.reader));
    EXPECT_EQ(raw(doc.lookups_working), raw(saved.lookups));
    EXPECT_TRUE(doc.rfid);
    EXPECT_EQ(doc.reader_states.one_d, 0);
    EXPECT_EQ(doc.reader_states.two_d, 2);
    EXPECT_EQ(doc.file_name, "kept name");
    EXPECT_TRUE(doc.modified);

    saved.reader[736] = 0;
    saved.reader[404] = 0x01;
    load_design_file_bytes(doc, design_file_bytes(saved), texts);
    EXPECT_FALSE(doc.rfid);
    EXPECT_EQ(doc.reader_states.one_d, 2);
    EXPECT_EQ(doc.reader_states.two_d, 0);
}

TEST(DesignFile, SaveDerivesThenWritesTheWholeFileAndReportsThePath) {
    test::TempFolder folder;
    const texts::ProgramTexts texts;
    ui::HeadlessHost host;
    Recorder recorder;
    FileContext context{texts, host, recorder.callback()};
    DesignDocument doc;
    make_new_design(doc, texts);
    doc.reader[404] = 0x02;  // an ELR reader: the derivation writes 2 into byte 0 and 351
    const std::string path = folder.file("design.T73");
    ASSERT_TRUE(save_design_file(doc, path, context));
    // The layout of the image is checked above; saving again replaces the file in place.
    doc.system.reserved_641[0] = 0xA5;
    ASSERT_TRUE(save_design_file(doc, path, context));
    const std::vector<Byte> file = test::read_bytes(path);
    EXPECT_EQ(file, design_file_bytes(doc));
    EXPECT_EQ(file[kReader + 0], 2);
    EXPECT_EQ(file[kReader + 351], 0x02);
    EXPECT_EQ(file[kSystem + 641], 0xA5);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"design.T73"});
    EXPECT_EQ(recorder.paths, (std::vector<std::string>{path, path}));
    EXPECT_TRUE(host.messages().empty());
}

TEST(DesignFile, HeaderIsCheckedAsTheKindThenTheVersion) {
    using namespace std::string_literals;
    for (const std::string& accepted :
         {"TC7350-01000100"s, "TC7350-01000100\x01\x02\x03\x04\x05"s, "TC7350-01000099"s,
          "TC7350-00999999"s, "TC7350\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s, "TC7350"s,
          "TC7350-0100010"s}) {
        EXPECT_EQ(check_header(accepted), 0) << accepted;
    }
    for (const std::string& newer : {"TC7350-01000101"s, "TC7350-01000200"s, "TC7350-1"s,
                                     "TC7350-0100010\xff"s, "TC7350\x80"s}) {
        EXPECT_EQ(check_header(newer), 2802) << newer;
    }
    for (const std::string& other :
         {""s, "TC7"s, "TC7351-01000100"s, "tc7350-01000100"s, "XTC7350-01000100"s,
          "TC73\0"s
          "0-01000100"s}) {
        EXPECT_EQ(check_header(other), 2801) << other;
    }
}

}  // namespace
}  // namespace tc
