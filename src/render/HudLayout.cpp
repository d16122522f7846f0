#include "render/HudLayout.h"

#include <algorithm>
#include <cmath>

const std::array<const char*, HUD_RESOURCES> HUD_RESOURCE_ICONS = {"matter", "energy", "sensor",
                                                                   "caps",   "gens",   "relay"};
const std::array<const char*, HUD_RESOURCES> HUD_RESOURCE_NAMES = {"matter",     "energy",     "sensors",
                                                                   "capacitors", "generators", "relays"};

namespace {

int scaled(double pixelsAt600, double ui, int least) { return std::max(least, int(std::lround(pixelsAt600 * ui))); }

// The gap around text on a backdrop, and between the HUD's pieces.
int padOf(int glyph) { return 3 * glyph; }

}  // namespace

PixelRect HudLayout::option(int tool, int k) const {
    const PixelRect& slot = tools[size_t(std::clamp(tool, 0, HUD_TOOLS - 1))];
    return {slot.x, slot.top() + k * slot.h, slot.w, slot.h};
}

PixelRect HudLayout::optionName(int tool, int k, const std::string& name) const {
    PixelRect o = option(tool, k);
    return textBox(o.right() + padOf(glyph), o.y + (o.h - lineHeight()) / 2, name);
}

HudLayout layoutHud(int width, int height, const std::array<std::string, HUD_RESOURCES>& counts,
                    const std::string& caption) {
    HudLayout l;
    l.width = width;
    l.height = height;
    const double ui = height / 600.0;
    // Whole steps only: a glyph scaled by 1.5 loses or doubles strokes at random.
    l.glyph = std::max(1, (height + 100) / 540);
    const int margin = scaled(6, ui, 4), pad = padOf(l.glyph), lineH = l.lineHeight();

    l.frameLine = {margin, height - margin - lineH, 32 * l.charWidth(), lineH};

    // The resource row under the frame-rate line: each icon with its count and,
    // below the count, the resource's name. Slots that do not fit the window's
    // width wrap onto a further row.
    const int icon = 16 * l.glyph, slotH = 2 * lineH, gap = 10 * l.glyph;
    const int left = margin + pad, rowsTop = l.frameLine.y - pad - pad;
    int x = left, top = rowsTop, lowest = rowsTop, widest = left;
    for (size_t i = 0; i < HUD_RESOURCES; i++) {
        int chars = int(std::max(counts[i].size(), std::string(HUD_RESOURCE_NAMES[i]).size()));
        int slotW = icon + pad + chars * l.charWidth();
        if (x > left && x + slotW > width - margin - pad) {
            x = left;
            top -= slotH + pad;
        }
        l.icons[i] = {x, top - slotH + (slotH - icon) / 2, icon, icon};
        l.counts[i] = l.textBox(x + icon + pad, top - lineH, counts[i]);
        l.names[i] = l.textBox(x + icon + pad, top - slotH, HUD_RESOURCE_NAMES[i]);
        widest = std::max(widest, x + slotW);
        lowest = top - slotH;
        x += slotW + gap;
    }
    l.resourceBackdrop = {left - pad, lowest - pad, widest - left + 2 * pad, rowsTop - lowest + 2 * pad};

    // The tool bar near the bottom, its caption line beneath it.
    const int slot = scaled(42, ui, 24);
    const int barLeft = int(std::lround(0.165 * width)), barBottom = margin + lineH + 2 * pad;
    for (int k = 0; k < HUD_TOOLS; k++) l.tools[size_t(k)] = {barLeft + k * slot, barBottom, slot, slot};
    l.caption = l.textBox(barLeft, margin, caption);
    l.caption.x = std::max(margin + pad, std::min(barLeft, width - margin - pad - l.caption.w));
    l.captionBackdrop = {l.caption.x - pad, l.caption.y - pad, l.caption.w + 2 * pad, l.caption.h + 2 * pad};

    const int cross = 16 * l.glyph;
    l.reticle = {(width - cross) / 2, (height - cross) / 2, cross, cross};
    return l;
}
