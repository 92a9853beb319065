#pragma once
#include "UnitSummary.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

// The attached units, one row each under a heading: name, firmware version
// and build, hardware model, protocol and GUID; a screen reader hears each
// row as one sentence. The chosen unit stays chosen (by its GUID) while the
// list follows units coming and going; the first unit is chosen when none is.
class UnitTable : public juce::Component, private juce::ListBoxModel {
public:
    static constexpr int kHeadingHeight = 22;

    UnitTable();
    ~UnitTable() override;

    void setUnits(const std::vector<UnitSummary>& units);
    const std::vector<UnitSummary>& getUnits() const { return units_; }
    // The chosen unit, or null when there is none.
    const UnitSummary* chosen() const;
    juce::ListBox& getList() { return list_; }
    // What a screen reader says of a row.
    juce::String getNameForRow(int row) override;

    std::function<void()> onChoice;

    void paint(juce::Graphics& g) override;
    void paintOverChildren(juce::Graphics& g) override;
    void resized() override;

private:
    int getNumRows() override;
    void paintListBoxItem(int row, juce::Graphics& g, int width, int height,
                          bool selected) override;
    void selectedRowsChanged(int lastRowSelected) override;
    juce::String getTooltipForRow(int row) override;
    juce::StringArray cells(int row) const;
    static void paintCells(juce::Graphics& g, const juce::StringArray& cells, int height);

    juce::ListBox list_;
    std::vector<UnitSummary> units_;
    uint64_t chosenGuid_ = 0;
    bool choosing_ = false;
};
