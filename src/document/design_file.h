#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "document/design_document.h"
#include "texts/program_texts.h"
#include "ui/host.h"

namespace tc {

inline constexpr std::size_t kDesignFileSize = 154298;
inline constexpr std::string_view kDesignFileHeader = "TC7350-01000100";
inline constexpr std::size_t kHeaderSize = 20;
inline constexpr std::size_t kMenusOffset = 20;
inline constexpr std::size_t kFormsOffset = 13390;
inline constexpr std::size_t kLookupsOffset = 113930;
inline constexpr std::size_t kReaderOffset = 120550;
inline constexpr std::size_t kSystemOffset = 121316;
inline constexpr std::size_t kReservedOffset = 122178;
inline constexpr std::size_t kReservedSize = 500;
inline constexpr std::size_t kDeviceTextsOffset = 122678;

inline constexpr int kMessageBadFormat = 2801;
inline constexpr int kMessageNewerVersion = 2802;
inline constexpr int kMessageCannotSave = 2803;  // "Cannot save %s: %s": the file, then the reason
inline constexpr int kMessageCannotOpen = 2804;  // "Cannot open %s: %s"

// What saving and opening need from around the document: the program texts (for messages), the
// host (to show them), and who is told that a path was used (the recent-file list, which also
// rewrites the INI file).
struct FileContext {
    const texts::ProgramTexts& texts;
    ui::Host& host;
    std::function<void(const std::string& path)> path_used;
};

// The 154,298 bytes that the design would be saved as (without deriving anything first).
std::vector<Byte> design_file_bytes(const DesignDocument& doc);

// 0 when the header is accepted, else the message text that rejects it (2801 or 2802).
int check_header(std::string_view header);

// Derives, then writes the design to the file named `path` (the file system's own bytes) with
// write_file_safely. On success the path is reported as used. Returns false on any failure; the
// previous file is then intact.
bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context);

// As above; on failure `reason` holds the operating system's error that stopped the save.
bool save_design_file(DesignDocument& doc, const std::string& path, FileContext& context,
                      std::error_code& reason);

// Reads `path` once, whole (all a design file holds: bytes behind it are not read), then checks
// it: a file that cannot be found or read (2804, naming it and the reason), a rejected header
// (2801/2802) or a file shorter than a design file (2801) shows the message under "Error" and
// leaves the document unchanged. An accepted file is reported as used, read into the records,
// and the post-load fix-ups run.
bool open_design_file(DesignDocument& doc, const std::string& path, FileContext& context);

// Shows the "Error" message `text_id` ("... %s: %s") for the file `path` and the `reason`. Only
// the first two "%s" of a translated text are filled in; any other "%" stays as it is.
void show_file_failure(FileContext& context, int text_id, const std::string& path,
                       const std::error_code& reason);

// Reads a whole design file image (at least kDesignFileSize bytes, header already accepted) into
// the document and applies the post-load fix-ups.
void load_design_file_bytes(DesignDocument& doc, const std::vector<Byte>& bytes,
                            const texts::ProgramTexts& texts);

}  // namespace tc
