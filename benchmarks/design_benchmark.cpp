// Time taken by the whole-design operations on a design that uses every Form line: opening (the
// bytes read into the records and the fix-ups), the derivation before saving, saving (the file
// image and the atomic write), and the tool's dump and build.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/t73/design_json.h"
#include "app/t73/json_writer.h"
#include "app/t73/tool_session.h"
#include "document/design_file.h"
#include "document/file_io.h"
#include "forms/derive_before_save.h"

namespace tc::t73 {
namespace {

constexpr Byte kLineTypes[] = {kTypeText, kTypeInteger, kTypeLookup, kTypeReal, kTypeAlphameric};

void store(std::span<Byte> slot, const std::string& text) {
    store_text(slot, text);
}

// All 20 Forms with 15 lines in use, each linked to a Lookup of 12 fields, and 10 Menus of 15
// items.
void fill_full_design(DesignDocument& doc) {
    for (std::size_t l = 0; l < kLookupCount; ++l) {
        LookupRecord& lookup = doc.lookups[l];
        lookup.field_count = 12;
        for (std::size_t k = 0; k < 12; ++k) {
            lookup.field_length_low[k] = static_cast<Byte>(10 + k);
            store(lookup.field_name[k], "Field " + std::to_string(k + 1));
        }
    }
    for (std::size_t f = 0; f < kFormCount; ++f) {
        FormRecord& form = doc.forms[f];
        form.lookup_file = static_cast<Byte>(f % kLookupCount + 1);
        form.key_field = 1;
        form.no_key_field = 0;
        form.last_input_line =
            kFormLines;  // as the Form page leaves it when every line takes input
        form.stamp_position = 2;
        for (std::size_t i = 0; i < kFormLines; ++i) {
            form.data_type[i] = kLineTypes[i % std::size(kLineTypes)];
            form.input_source[i] = 1;
            form.min_length[i] = 1;
            form.max_length_low[i] = 40;
            form.link[i] = static_cast<Byte>(i % 12 + 1);
            store(form.prompt[i],
                  "Form " + std::to_string(f + 1) + " line " + std::to_string(i + 1));
        }
    }
    for (std::size_t m = 0; m < kMenuCount; ++m) {
        MenuRecord& menu = doc.menus[m];
        menu.caption_on = 1;
        store(menu.caption, "Menu " + std::to_string(m + 1));
        for (std::size_t i = 0; i < kMenuItems; ++i) {
            store(menu.item_name[i], "Item " + std::to_string(i + 1));
            menu.item_target[i] = static_cast<Byte>(i + 1);
        }
        menu.item_count = kMenuItems;
    }
}

// One started-up program with the full design, and that design's file image.
struct FullDesign {
    std::unique_ptr<ToolSession> tool;
    std::vector<Byte> image;
    std::string json_text;

    FullDesign() {
        std::string error;
        tool = ToolSession::start({}, error);
        if (!tool) {
            std::cerr << "cannot start the program: " << error << "\n";
            std::exit(1);
        }
        DesignDocument& doc = document();
        fill_full_design(doc);
        derive_before_save({doc.forms, doc.menus, doc.lookups, doc.reader, doc.system});
        image = design_file_bytes(doc);
        std::ostringstream text;
        write_json(text, dump_design(image));
        json_text = text.str();
    }

    DesignDocument& document() { return tool->session().document(); }
    const texts::ProgramTexts& texts() { return tool->session().texts(); }
};

FullDesign& full_design() {
    static FullDesign design;
    return design;
}

void BM_Open(benchmark::State& state) {
    FullDesign& design = full_design();
    auto doc = std::make_unique<DesignDocument>();
    for (auto _ : state) {
        load_design_file_bytes(*doc, design.image, design.texts());
        benchmark::DoNotOptimize(doc->forms[0].prompt[0][0]);
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMicrosecond);

void BM_Derive(benchmark::State& state) {
    DesignDocument& doc = full_design().document();
    for (auto _ : state) {
        derive_before_save({doc.forms, doc.menus, doc.lookups, doc.reader, doc.system});
        benchmark::DoNotOptimize(doc.forms[19].record_length_low);
    }
    // Shows that the design is in use: Form 20's record length as derived.
    state.counters["form20_record_length"] =
        doc.forms[19].record_length_high * 256 + doc.forms[19].record_length_low;
}
BENCHMARK(BM_Derive)->Unit(benchmark::kMicrosecond);

void BM_FileImage(benchmark::State& state) {
    DesignDocument& doc = full_design().document();
    for (auto _ : state) benchmark::DoNotOptimize(design_file_bytes(doc));
}
BENCHMARK(BM_FileImage)->Unit(benchmark::kMicrosecond);

// The file image written through the safe write (a temporary file, flushed to the disk,
// renamed over the target): the disk's flush dominates.
void BM_Save(benchmark::State& state) {
    FullDesign& design = full_design();
    const std::string path = (design.tool->session().program_dir() / "bench.T73").string();
    for (auto _ : state) {
        if (write_file_safely(path, design_file_bytes(design.document()))) {
            state.SkipWithError("cannot write the design file");
            break;
        }
    }
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Dump(benchmark::State& state) {
    FullDesign& design = full_design();
    for (auto _ : state) {
        std::ostringstream text;
        write_json(text, dump_design(design.image));
        benchmark::DoNotOptimize(text.str().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDesignFileSize));
}
BENCHMARK(BM_Dump)->Unit(benchmark::kMillisecond);

void BM_Build(benchmark::State& state) {
    FullDesign& design = full_design();
    for (auto _ : state) benchmark::DoNotOptimize(build_design(Json::parse(design.json_text)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDesignFileSize));
}
BENCHMARK(BM_Build)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tc::t73

BENCHMARK_MAIN();
