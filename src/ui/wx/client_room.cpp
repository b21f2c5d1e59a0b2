#include "ui/wx/client_room.h"

#include <utility>

namespace tc::ui::wx {
namespace {

bool lacks_room(const wxTopLevelWindow& window, wxSize room) {
    const wxSize now = window.GetClientSize();
    return now.x < room.x || now.y < room.y;
}

}  // namespace

void keep_client_room(wxTopLevelWindow& window, std::function<wxSize()> room) {
    if (lacks_room(window, room())) window.SetClientSize(room());
    // A few times at most: a screen too small for the window would refuse it again and again.
    window.Bind(wxEVT_SIZE,
                [&window, room = std::move(room), tries = 0](wxSizeEvent& event) mutable {
                    event.Skip();
                    if (!lacks_room(window, room()) || ++tries > 3) return;
                    // Once the frame's own change of size is done.
                    window.CallAfter([&window, room] {
                        if (lacks_room(window, room())) window.SetClientSize(room());
                    });
                });
}

}  // namespace tc::ui::wx
