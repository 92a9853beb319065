#pragma once
#include <juce_data_structures/juce_data_structures.h>

// A step of a history that has already happened when it is recorded: its
// first perform does nothing, later ones (redo) do it again.
class RecordedStep : public juce::UndoableAction {
public:
    bool perform() final {
        if (recorded_)
            recorded_ = false;
        else
            redo();
        return true;
    }
    bool undo() final {
        revert();
        return true;
    }
    // One step counts one towards the history's length.
    int getSizeInUnits() override { return 1; }

protected:
    virtual void redo() = 0;
    virtual void revert() = 0;

private:
    bool recorded_ = true;
};
