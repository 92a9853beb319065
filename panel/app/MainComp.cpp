#include "MainComp.h"

#include "AvcUnit.h"
#include "KnobMotion.h"
#include "MixFile.h"
#include "PanelSize.h"
#include "PanelState.h"
#include "RenameStep.h"
#include "SnapshotFiles.h"
#include "SkinData.h"
#include "SkinImage.h"
#include "UnitQueries.h"

namespace {

const char kPhonoTip[] = "Use this to swtich between line and phono input";
const char kSaveTitle[] = "Please select the Mix file you want to save...";
const char kLoadTitle[] = "Please select the file you want to load...";
const char kMixFilter[] = "*.imx";
const char kNotSavedTitle[] = "Mix not saved";
const char kNotLoadedTitle[] = "Mix not loaded";

juce::String quoted(const juce::File& file) {
    return "\"" + file.getFullPathName() + "\"";
}

juce::MessageBoxOptions warning(const char* title, const juce::String& text) {
    return juce::MessageBoxOptions()
        .withIconType(juce::MessageBoxIconType::WarningIcon)
        .withTitle(title)
        .withMessage(text);
}

}  // namespace

MainComp::MainComp(AvcUnit& unit, PanelState& state, DeviceSettings& settings, CDeviceModel& model)
    : unit_(unit),
      state_(state),
      background_(SkinImage::cached(SkinData::background_jpg, SkinData::background_jpgSize)),
      saveImage_(SkinImage::cached(SkinData::save_png, SkinData::save_pngSize)),
      saveDownImage_(SkinImage::cached(SkinData::savedown_png, SkinData::savedown_pngSize)),
      loadImage_(SkinImage::cached(SkinData::load_png, SkinData::load_pngSize)),
      loadDownImage_(SkinImage::cached(SkinData::loaddown_png, SkinData::loaddown_pngSize)),
      phonoLook_(SkinData::phonoon_png, SkinData::phonoon_pngSize, SkinData::buttonoff_png,
                 SkinData::buttonoff_pngSize, SkinData::phonodown_png, SkinData::phonodown_pngSize),
      phono_(phonoLook_, "Phono"),
      input1_(unit, 1),
      input2_(unit, 2),
      headphones_(unit, KnobStyle::MasterKnob, 2, 0, false),
      line_(unit),
      unitSelect_(unit),
      mixer_(unit, state, model),
      controlPanel_(settings),
      history_([this](const juce::PropertySet& mix) { applyMix(mix); },
               [this] {
                   juce::PropertySet mix;
                   collectMix(mix);
                   return mix;
               }),
      gestures_(*this, [this] { history_.recordChange(); }) {
    showTooltips(state_.getTooltipsShown());
    setSize(kWidth, kHeight);
    placeChildren();
    addChildComponent(noDevice_);
    noDevice_.setBounds(0, 0, kWidth, kHeight);
    if (unit_.GetUnitCount() == 0)
        showUnitPresence(false);
    addAndMakeVisible(controlPanel_);
    controlPanel_.setBounds(598, 108, 70, 70);
    addChildComponent(readout_);
    // The skin is the decoded background image; the meters, opaque on it, draw
    // their own piece of it, so their forty updates a second never reach paint().
    setOpaque(true);
    refreshFromUnit();
    readKnobMotion();
    unitSelect_.onRenamed = [this](int index, const juce::String& before,
                                   const juce::String& after) {
        auto rename = [this](int which, const juce::String& name) {
            unitSelect_.renameUnit(which, name);
        };
        history_.recordAction(std::make_unique<RenameStep>(rename, index, before, after),
                              "Unit " + juce::String(index + 1) + " name");
    };
}

// The unit is told that the panel lets go of it.
MainComp::~MainComp() {
    phono_.removeActionListener(this);
    unitSelect_.removeActionListener(this);
    mixer_.removeActionListener(this);
    save_.removeListener(this);
    load_.removeListener(this);
    unit_.VendorCommand4();
}

void MainComp::placeChildren() {
    addAndMakeVisible(phono_);
    phono_.setBounds(89, 98, phonoLook_.getImageWidth(), phonoLook_.getImageHeight());
    phono_.setTooltip(kPhonoTip);
    phono_.addActionListener(this);
    addAndMakeVisible(input1_);
    input1_.setBounds(98, 423, 178, 131);
    addAndMakeVisible(input2_);
    input2_.setBounds(311, 423, 178, 131);
    addAndMakeVisible(headphones_);
    headphones_.setBounds(343, 86, 100, 100);
    headphones_.setSkewFactor(7.0);
    headphones_.setTooltip("HeadPhone Output Level");
    addAndMakeVisible(line_);
    line_.setBounds(173, 78, 75, 75);
    addAndMakeVisible(unitSelect_);
    unitSelect_.setBounds(583, 402, 100, 110);
    unitSelect_.addActionListener(this);
    addAndMakeVisible(mixer_);
    mixer_.setBounds(74, 190, 620, 208);
    mixer_.addActionListener(this);
    mixer_.setTooltip("This is a Mixer JackAss!!!");
    setUpFileButton(save_, saveImage_, saveDownImage_, 575);
    setUpFileButton(load_, loadImage_, loadDownImage_, 630);
}

void MainComp::setUpFileButton(juce::ImageButton& button, const juce::Image& normal,
                               const juce::Image& down, int x) {
    addAndMakeVisible(button);
    button.setImages(true, true, true, normal, 1.0f, {}, {}, 0.8f, {}, down, 1.0f, {});
    button.setTopLeftPosition(x, 510);
    button.addListener(this);
}

// Only the part that changed is drawn (the clip), straight from the decoded
// image. Through a brush over the clip: drawing the image itself makes the
// renderer build an outline of the whole skin and cut the clip out of it,
// which cost as much as a whole frame of the meters.
void MainComp::paint(juce::Graphics& g) {
    const juce::Rectangle<int> clip = g.getClipBounds();
    if (!background_.getBounds().contains(clip))
        g.fillAll(juce::Colour(0xFFC7C7C7));
    const juce::Rectangle<int> skin = clip.getIntersection(background_.getBounds());
    if (!skin.isEmpty())
        drawBackdrop(g, *this, skin);
}

void MainComp::drawBackdrop(juce::Graphics& g, const juce::Component& onto,
                            juce::Rectangle<int> area) const {
    const juce::Point<int> origin = onto.getLocalPoint(this, juce::Point<int>());
    // An image brush over whole pixels stays on the renderer's rectangle path.
    g.setFillType(
        SkinImage::brush(g, background_, juce::AffineTransform::translation(origin.toFloat())));
    g.fillRect(area);
}

void MainComp::showUnitPresence(bool present) {
    setEnabled(present);
    noDevice_.setVisible(!present);
}

void MainComp::refreshFromUnit() {
    const AvcUnit::Refresh refresh(unit_);
    bool phono = false;
    if (!unit_.GetPhono(phono))
        phono = false;
    int level = 128;
    if (!unit_.GetOutputVolume(2, 0, level))
        level = 128;
    headphones_.setValue(level);
    input1_.refreshFromUnit();
    input2_.refreshFromUnit();
    phono_.setToggleState(phono);
    line_.refreshFromUnit();
    mixer_.refreshFromUnit();
    history_.show(unit_.selectedUnitPath());
}

// Re-opening the first unit is bounded in time, so a unit that is listed
// but does not open cannot hold the window.
void MainComp::configChange() {
    if (!isEnabled()) {
        UnitQueries::reselectFirstUnit(unit_);
        showUnitPresence(true);
        refreshFromUnit();
    }
    if (unit_.GetUnitCount() == 0)
        showUnitPresence(false);
    unit_.SelectUnit(0);
    unitSelect_.rebuild();
    controlPanel_.refreshFromDriver();
    sendActionMessage("ConfigChange");
}

void MainComp::actionListenerCallback(const juce::String& message) {
    if (message == "Phono")
        phonoSender_.send();
    else if (message == "UnitChange")
        refreshFromUnit();
    else if (message == "ConfigChange")
        configChange();
    else if (message == "Load")
        loadMix();
    else if (message == "Save")
        saveMix();
}

void MainComp::buttonClicked(juce::Button* button) {
    actionListenerCallback(button->getName());
}

void MainComp::mouseDown(const juce::MouseEvent& event) {
    if (!event.mods.isRightButtonDown())
        return;
    juce::Component::SafePointer<MainComp> self(this);
    createContextMenu().showMenuAsync(juce::PopupMenu::Options(), [self](int result) {
        if (self != nullptr)
            self->contextMenuChosen(result);
    });
}

void MainComp::showReadout(const juce::Component& control, const juce::String& text) {
    readout_.showFor(control, text);
}

void MainComp::hideReadout(const juce::Component& control) {
    readout_.hideFor(control);
}

juce::PopupMenu MainComp::createContextMenu() const {
    juce::PopupMenu menu = createKnobMotionMenu();
    menu.addSubMenu("Snapshots", createSnapshotMenu());
    menu.addItem(kTooltipsItem, "Show Tooltips", true, state_.getTooltipsShown());
    menu.addSubMenu("Size", PanelSize::menu());
    menu.addItem(kRemoteItem, "Remote Control...", onRemoteControl != nullptr);
    menu.addSeparator();
    const juce::String undo = history_.undoName();
    const juce::String redo = history_.redoName();
    menu.addItem(kUndoItem, undo.isEmpty() ? "Undo" : "Undo " + undo, undo.isNotEmpty());
    menu.addItem(kRedoItem, redo.isEmpty() ? "Redo" : "Redo " + redo, redo.isNotEmpty());
    return menu;
}

// The tooltip look draws nothing while the panel state hides tips; a tooltip
// window would then only cost its polling of the mouse.
void MainComp::showTooltips(bool on) {
    state_.setTooltipsShown(on);
    if (!on)
        tooltips_.reset();
    else if (tooltips_ == nullptr)
        tooltips_ = std::make_unique<juce::TooltipWindow>(nullptr, 700);
}

juce::PopupMenu MainComp::createSnapshotMenu() const {
    juce::PopupMenu menu;
    const std::string unit = unit_.selectedUnitPath();
    for (int slot = 1; slot <= SnapshotFiles::kSlots; ++slot) {
        juce::PopupMenu::Item recall("Recall " + juce::String(slot));
        recall.itemID = kRecallItem + slot;
        recall.isEnabled = SnapshotFiles::file(unit, slot).existsAsFile();
        recall.shortcutKeyDescription = "Ctrl+" + juce::String(slot);
        menu.addItem(recall);
    }
    menu.addSeparator();
    for (int slot = 1; slot <= SnapshotFiles::kSlots; ++slot) {
        juce::PopupMenu::Item store("Store " + juce::String(slot));
        store.itemID = kStoreItem + slot;
        store.shortcutKeyDescription = "Ctrl+Shift+" + juce::String(slot);
        menu.addItem(store);
    }
    return menu;
}

void MainComp::storeSnapshot(int slot) {
    const juce::Result created = SnapshotFiles::folder().createDirectory();
    if (created.failed()) {
        tell(kNotSavedTitle, "Could not create the snapshot folder " +
                                 quoted(SnapshotFiles::folder()) + ": " +
                                 created.getErrorMessage());
        return;
    }
    writeMix(SnapshotFiles::file(unit_.selectedUnitPath(), slot));
}

void MainComp::recallSnapshot(int slot) {
    const juce::File file = SnapshotFiles::file(unit_.selectedUnitPath(), slot);
    if (file.existsAsFile())
        loadMixFrom(file, "Recall snapshot " + juce::String(slot));
}

void MainComp::contextMenuChosen(int menuResult) {
    if (menuResult > kRecallItem && menuResult <= kRecallItem + SnapshotFiles::kSlots)
        recallSnapshot(menuResult - kRecallItem);
    else if (menuResult > kStoreItem && menuResult <= kStoreItem + SnapshotFiles::kSlots)
        storeSnapshot(menuResult - kStoreItem);
    else if (menuResult == kTooltipsItem)
        showTooltips(!state_.getTooltipsShown());
    else if (menuResult == kRemoteItem && onRemoteControl)
        onRemoteControl();
    else if (menuResult == kUndoItem)
        history_.undo();
    else if (menuResult == kRedoItem)
        history_.redo();
    else if (const std::optional<int> size = PanelSize::chosen(menuResult))
        PanelSize::choose(*size, getTopLevelComponent());
    else
        knobMotionChosen(menuResult);
}

bool MainComp::keyPressed(const juce::KeyPress& key) {
    const juce::ModifierKeys mods = key.getModifiers();
    if (!mods.isCommandDown())
        return false;
    if (snapshotKey(key))
        return true;
    const int code = key.getKeyCode();
    const bool z = code == 'z' || code == 'Z';
    const bool y = code == 'y' || code == 'Y';
    if (z && !mods.isShiftDown())
        history_.undo();
    else if (y || z)
        history_.redo();
    else
        return false;
    return true;
}

// With Shift the digit may arrive as the character above it ("!" for 1).
bool MainComp::snapshotKey(const juce::KeyPress& key) {
    static const juce::String digits = "1234", shifted = "!@#$";
    const juce::juce_wchar code = juce::juce_wchar(key.getKeyCode());
    const int digit = digits.indexOfChar(code);
    const int above = shifted.indexOfChar(code);
    const bool shift = key.getModifiers().isShiftDown();
    if (digit >= 0 && !shift)
        recallSnapshot(digit + 1);
    else if (digit >= 0 || above >= 0)
        storeSnapshot((digit >= 0 ? digit : above) + 1);
    else
        return false;
    return true;
}

// A key let go ends a keyboard gesture on whichever control had the focus.
bool MainComp::keyStateChanged(bool isKeyDown) {
    if (!isKeyDown)
        gestures_.keyGestureEnded();
    return false;
}

juce::PopupMenu MainComp::createKnobMotionMenu() const {
    juce::PopupMenu motion;
    motion.addItem(KnobMotion::kCircularItem, KnobMotion::kCircular, true, circular_);
    motion.addItem(KnobMotion::kLinearItem, KnobMotion::kLinear, true, !circular_);
    juce::PopupMenu menu;
    menu.addSubMenu("Knob Motion", motion);
    return menu;
}

void MainComp::knobMotionChosen(int menuResult) {
    if (auto circular = KnobMotion::chosen(menuResult)) {
        applyMotion(*circular);
        KnobMotion::store(*circular);
    }
}

// A stored text that is neither choice leaves the knobs as they were built:
// circular, which the menu's tick then shows.
void MainComp::readKnobMotion() {
    if (auto circular = KnobMotion::decode(KnobMotion::readStored()))
        applyMotion(*circular);
}

void MainComp::applyMotion(bool circular) {
    circular_ = circular;
    state_.setCircularKnobs(circular);
    headphones_.setLinearDrag(!circular);
    line_.setLinearDrag(!circular);
    input1_.setLinearDrag(!circular);
    input2_.setLinearDrag(!circular);
}

void MainComp::collectMix(juce::PropertySet& mix) {
    MixKeys::write(mix, kMixKeys[0], 0, phono_.getToggleState());
    MixKeys::write(mix, kMixKeys[1], 0, headphones_.getValue());
    input1_.saveState(mix);
    input2_.saveState(mix);
    line_.saveState(mix);
    mixer_.saveState(mix);
}

void MainComp::applyMix(const juce::PropertySet& mix) {
    phono_.setToggleState(MixKeys::readSwitch(mix, kMixKeys[0], 0));
    headphones_.setValue(MixKeys::readNumber(mix, kMixKeys[1], 0));
    input1_.loadState(mix);
    input2_.loadState(mix);
    line_.loadState(mix);
    mixer_.loadState(mix);
}

bool MainComp::saveMixTo(const juce::File& chosen) {
    const juce::File target = MixFile::withMixExtension(chosen);
    if (target.existsAsFile()) {
        juce::PropertySet existing;
        const MixFile::Reading reading = MixFile::load(target, existing);
        if (!reading) {
            askToReplace(target, reading.reason);
            return false;
        }
    }
    return writeMix(target);
}

bool MainComp::writeMix(const juce::File& target) {
    juce::PropertySet mix;
    collectMix(mix);
    const juce::Result saved = MixFile::save(target, mix);
    if (saved.failed())
        tell(kNotSavedTitle, "Could not save " + quoted(target) + ": " + saved.getErrorMessage());
    return saved.wasOk();
}

// Saving merges into the file there; one that cannot be read would lose
// whatever it held for others, so the user decides.
void MainComp::askToReplace(const juce::File& target, const juce::String& reason) {
    const juce::String text = quoted(target) + " cannot be read as a mix (" + reason +
                              "). Replace it with this mix? What it holds will be lost.";
    juce::Component::SafePointer<MainComp> self(this);
    showMixAlert(warning("Replace file?", text).withButton("OK").withButton("Cancel"),
                 [self, target](int button) {
                     if (self != nullptr && button == 1)
                         self->writeMix(target);
                 });
}

// The mix is checked whole before any control moves, so a bad file leaves
// the controls and the unit as they were.
void MainComp::loadMixFrom(const juce::File& file, const juce::String& stepName) {
    juce::PropertySet mix;
    const MixFile::Reading reading = MixFile::load(file, mix);
    if (!reading) {
        tell(kNotLoadedTitle, "Could not load " + quoted(file) + ": " + reading.reason);
        return;
    }
    applyMix(mix);
    history_.recordChange(stepName);
}

void MainComp::showMixAlert(const juce::MessageBoxOptions& options,
                            std::function<void(int)> answered) {
    if (onMixNotice)
        onMixNotice(options.getMessage());
    juce::AlertWindow::showAsync(options.withAssociatedComponent(this), std::move(answered));
}

void MainComp::tell(const char* title, const juce::String& text) {
    showMixAlert(warning(title, text + ".").withButton("OK"), [](int) {});
}

// The dialogs run asynchronously: the message loop goes on while one is open.
void MainComp::saveMix() {
    const juce::File folder = MixFile::mixFolder();
    const juce::Result created = folder.createDirectory();
    if (created.failed()) {
        tell(kNotSavedTitle, "Could not create the mix folder " + quoted(folder) + ": " +
                                 created.getErrorMessage());
        return;
    }
    chooser_ = std::make_unique<juce::FileChooser>(kSaveTitle, folder, kMixFilter);
    juce::Component::SafePointer<MainComp> self(this);
    const int mode = juce::FileBrowserComponent::saveMode |
                     juce::FileBrowserComponent::canSelectFiles |
                     juce::FileBrowserComponent::warnAboutOverwriting;
    chooser_->launchAsync(mode, [self](const juce::FileChooser& chooser) {
        if (self != nullptr && chooser.getResult() != juce::File())
            self->saveMixTo(chooser.getResult());
    });
}

void MainComp::loadMix() {
    const juce::File folder = MixFile::mixFolder();
    if (!folder.isDirectory())
        return;
    chooser_ = std::make_unique<juce::FileChooser>(kLoadTitle, folder, kMixFilter);
    juce::Component::SafePointer<MainComp> self(this);
    const int mode =
        juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles;
    chooser_->launchAsync(mode, [self](const juce::FileChooser& chooser) {
        if (self != nullptr && chooser.getResult() != juce::File())
            self->loadMixFrom(chooser.getResult());
    });
}
