#include "document/design_file.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstring>
#include <type_traits>

#include "document/file_io.h"
#include "forms/derive_before_save.h"
#include "platform/platform.h"
#include "texts/message_box.h"
#include "ui/shown_text.h"

namespace tc {
namespace {

static_assert(kMenusOffset == kHeaderSize);
static_assert(kFormsOffset == kMenusOffset + kMenuCount * sizeof(MenuRecord));
static_assert(kLookupsOffset == kFormsOffset + kFormCount * sizeof(FormRecord));
static_assert(kReaderOffset == kLookupsOffset + kLookupCount * sizeof(LookupRecord));
static_assert(kSystemOffset == kReaderOffset + sizeof(ReaderSettingsRecord));
static_assert(kReservedOffset == kSystemOffset + sizeof(SystemSettingsRecord));
static_assert(kDeviceTextsOffset == kReservedOffset + kReservedSize);
static_assert(kDesignFileSize == kDeviceTextsOffset + texts::kDeviceTextBytes);

constexpr std::size_t kKindLength = 6;  // "TC7350" names the kind of file
constexpr std::size_t kPromptLimit = 30;
constexpr int kAboutNoticeText = 3104;
constexpr int kAboutSecondNoticeText = 3106;

template <typename Record>
void append_record(std::vector<Byte>& out, const Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    const auto* first = reinterpret_cast<const Byte*>(&record);
    out.insert(out.end(), first, first + sizeof(Record));
}

// Copies the record's bytes from `offset` of the file image; returns the offset behind them.
template <typename Record>
std::size_t read_record(const std::vector<Byte>& bytes, std::size_t offset, Record& record) {
    static_assert(std::is_trivially_copyable_v<Record>);
    std::memcpy(&record, bytes.data() + offset, sizeof(Record));
    return offset + sizeof(Record);
}

// Compares like a bounded C string comparison: unsigned bytes, at most `length` of them, stopping
// after the first position where both hold a zero byte. `b` counts as zero-filled behind its end.
std::strong_ordering compare_header_text(std::span<const Byte> a, std::string_view b,
                                         std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned ca = a[i];
        const unsigned cb = i < b.size() ? static_cast<unsigned char>(b[i]) : 0u;
        if (ca != cb) return ca <=> cb;
        if (ca == 0) break;
    }
    return std::strong_ordering::equal;
}

void apply_post_load_fixups(DesignDocument& doc) {
    for (FormRecord& form : doc.forms) {
        for (auto& prompt : form.prompt) cut_text(prompt, kPromptLimit);
    }
    const std::string second_notice = slot_text(doc.device_texts.slot(kAboutSecondNoticeText));
    store_text(doc.device_texts.slot(kAboutNoticeText), second_notice);
    load_reader_working_copy(doc);
    doc.lookups_working = doc.lookups;
}

// `text` with its first "%s" replaced by `first` and its second by `second`; nothing else in it is
// read as a placeholder, since a language file supplies the text.
std::string fill_in(std::string_view text, std::string_view first, std::string_view second) {
    std::string filled;
    int used = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (used < 2 && text.compare(i, 2, "%s") == 0) {
            filled += used++ == 0 ? first : second;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

std::vector<Byte> design_file_bytes(const DesignDocument& doc) {
    std::vector<Byte> bytes;
    bytes.reserve(kDesignFileSize);
    bytes.insert(bytes.end(), kDesignFileHeader.begin(), kDesignFileHeader.end());
    bytes.resize(kHeaderSize, 0);
    for (const MenuRecord& menu : doc.menus) append_record(bytes, menu);
    for (const FormRecord& form : doc.forms) append_record(bytes, form);
    for (const LookupRecord& lookup : doc.lookups) append_record(bytes, lookup);
    append_record(bytes, doc.reader);
    append_record(bytes, doc.system);
    bytes.resize(bytes.size() + kReservedSize, 0);
    append_record(bytes, doc.device_texts.bytes);
    return bytes;
}

int check_header(std::string_view header) {
    std::array<Byte, kHeaderSize> padded{};
    std::copy_n(header.begin(), std::min(header.size(), padded.size()), padded.begin());
    if (compare_header_text(padded, kDesignFileHeader.substr(0, kKindLength), kKindLength) != 0) {
        return kMessageBadFormat;
    }
    if (compare_header_text(padded, kDesignFileHeader, kDesignFileHeader.size()) > 0) {
        return kMessageNewerVersion;
    }
    return 0;
}

bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context) {
    std::error_code ignored;
    return save_design_file(doc, path, context, ignored);
}

bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context,
                      std::error_code& reason) {
    derive_before_save(DerivationInput{doc.forms, doc.menus, doc.lookups, doc.reader, doc.system});
    reason = write_file_safely(platform::to_path(path), design_file_bytes(doc));
    if (reason) return false;
    if (context.path_used) context.path_used(path);
    return true;
}

bool open_design_file(DesignDocument& doc, const std::string& path, FileContext& context) {
    // Bytes after a whole design are ignored: they are not read, however many there are.
    std::error_code reason;
    const std::optional<std::vector<Byte>> contents =
        read_file_start(platform::to_path(path), kDesignFileSize, reason);
    if (!contents) {
        show_file_failure(context, kMessageCannotOpen, path, reason);
        return false;
    }

    const std::string_view header(reinterpret_cast<const char*>(contents->data()),
                                  std::min(contents->size(), kHeaderSize));
    int rejection = check_header(header);
    if (rejection == 0 && contents->size() < kDesignFileSize) rejection = kMessageBadFormat;
    if (rejection != 0) {
        texts::text_message_box(context.texts, context.host, texts::kTitleError, rejection,
                                texts::kWarningStyle);
        return false;
    }

    if (context.path_used) context.path_used(path);
    load_design_file_bytes(doc, *contents, context.texts);
    return true;
}

void show_file_failure(FileContext& context, int text_id, const std::string& path,
                       const std::error_code& reason) {
    const std::string title = context.texts.load_program_text(texts::kTitleError);
    const std::string text = context.texts.load_program_text(text_id);
    if (title.empty() || text.empty()) return;
    context.host.message_box(fill_in(text, ui::shown_file_name(path), reason.message()), title,
                             texts::kWarningStyle);
}

void load_design_file_bytes(DesignDocument& doc, const std::vector<Byte>& bytes,
                            const texts::ProgramTexts& texts) {
    if (bytes.size() < kDesignFileSize) return;
    std::size_t offset = kMenusOffset;
    for (MenuRecord& menu : doc.menus) offset = read_record(bytes, offset, menu);
    for (FormRecord& form : doc.forms) offset = read_record(bytes, offset, form);
    for (LookupRecord& lookup : doc.lookups) offset = read_record(bytes, offset, lookup);
    offset = read_record(bytes, offset, doc.reader);
    offset = read_record(bytes, offset, doc.system);
    read_record(bytes, offset + kReservedSize, doc.device_texts.bytes);

    texts::refresh_image_texts(texts, doc.device_texts);
    apply_post_load_fixups(doc);
}

}  // namespace tc
