#include "UnitTable.h"

#include "UpdaterLook.h"

namespace {

// Where each column starts, and its heading.
const int kColumns[] = {8, 130, 345, 440, 515};
const char* const kHeadings[] = {"Unit", "Firmware", "Model", "Protocol", "GUID"};

}  // namespace

UnitTable::UnitTable() : list_("Units", this) {
    list_.setRowHeight(20);
    list_.setOutlineThickness(1);
    list_.setTitle("Units");
    list_.setDescription("The attached units; the chosen one is updated");
    list_.setWantsKeyboardFocus(true);
    addAndMakeVisible(list_);
}

UnitTable::~UnitTable() = default;

void UnitTable::resized() {
    list_.setBounds(getLocalBounds().withTrimmedTop(kHeadingHeight));
}

void UnitTable::paintCells(juce::Graphics& g, const juce::StringArray& cells, int height) {
    for (int i = 0; i < cells.size(); ++i) {
        const int right = i + 1 < cells.size() ? kColumns[i + 1] : kColumns[i] + 165;
        g.drawText(cells[i], kColumns[i], 0, right - kColumns[i] - 8, height,
                   juce::Justification::centredLeft, true);
    }
}

void UnitTable::paint(juce::Graphics& g) {
    g.setColour(juce::Colours::white);
    g.setFont(juce::Font(13.0f, juce::Font::bold));
    paintCells(g, juce::StringArray(kHeadings, 5), kHeadingHeight);
}

void UnitTable::paintOverChildren(juce::Graphics& g) {
    if (!units_.empty())
        return;
    g.setColour(UpdaterLook::text().withAlpha(0.7f));
    g.setFont(juce::Font(14.0f, juce::Font::italic));
    g.drawText("No unit found. Plug a unit in and switch it on.", list_.getBounds(),
               juce::Justification::centred, false);
}

void UnitTable::setUnits(const std::vector<UnitSummary>& units) {
    units_ = units;
    int row = -1;
    for (size_t i = 0; i < units_.size(); ++i)
        if (units_[i].guid == chosenGuid_)
            row = int(i);
    if (row < 0 && !units_.empty())
        row = 0;
    list_.updateContent();
    choosing_ = true;
    if (row >= 0)
        list_.selectRow(row);
    else
        list_.deselectAllRows();
    choosing_ = false;
    list_.repaint();
    repaint();
    const uint64_t before = chosenGuid_;
    chosenGuid_ = row >= 0 ? units_[size_t(row)].guid : 0;
    if (onChoice && chosenGuid_ != before)
        onChoice();
}

const UnitSummary* UnitTable::chosen() const {
    for (const UnitSummary& unit : units_)
        if (unit.guid == chosenGuid_)
            return &unit;
    return nullptr;
}

int UnitTable::getNumRows() {
    return int(units_.size());
}

juce::StringArray UnitTable::cells(int row) const {
    if (row < 0 || row >= int(units_.size()))
        return {};
    const UnitSummary& unit = units_[size_t(row)];
    return {juce::String(unit.name),
            juce::String(unit.FirmwareText()) + (unit.inBootloader ? " (bootloader)" : ""),
            juce::String(unit.ModelText()), juce::String(unit.protocol),
            juce::String(unit.GuidText())};
}

void UnitTable::paintListBoxItem(int row, juce::Graphics& g, int, int height, bool selected) {
    if (selected)
        g.fillAll(UpdaterLook::amber().withAlpha(isEnabled() ? 0.35f : 0.15f));
    g.setColour(UpdaterLook::text().withAlpha(isEnabled() ? 1.0f : 0.5f));
    g.setFont(juce::Font(14.0f));
    paintCells(g, cells(row), height);
}

juce::String UnitTable::getNameForRow(int row) {
    const juce::StringArray text = cells(row);
    if (text.isEmpty())
        return {};
    return text[0] + ", firmware " + text[1] + ", model " + text[2] + ", protocol " + text[3] +
           ", GUID " + text[4];
}

juce::String UnitTable::getTooltipForRow(int row) {
    return getNameForRow(row);
}

void UnitTable::selectedRowsChanged(int lastRowSelected) {
    if (choosing_)
        return;
    const uint64_t before = chosenGuid_;
    if (lastRowSelected >= 0 && lastRowSelected < int(units_.size()))
        chosenGuid_ = units_[size_t(lastRowSelected)].guid;
    if (onChoice && chosenGuid_ != before)
        onChoice();
}
