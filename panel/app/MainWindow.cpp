#include "MainWindow.h"

#include "SkinData.h"
#include "WindowMemory.h"
#include "WindowStacking.h"

MainWindow::MainWindow(CDeviceModel& model, bool onDesktop)
    : juce::DialogWindow(kCaption, juce::Colour(0xFFC7C7C7), false, false),
      shadeLook_(SkinData::shadehover_png, SkinData::shadehover_pngSize, SkinData::shade_png,
                 SkinData::shade_pngSize, SkinData::shadedown_png, SkinData::shadedown_pngSize),
      shadeButton_(shadeLook_, "WinShade"),
      topLook_(SkinData::aotonhover_png, SkinData::aotonhover_pngSize, SkinData::aotoff_png,
               SkinData::aotoff_pngSize, SkinData::aotoffdown_png, SkinData::aotoffdown_pngSize),
      topButton_(topLook_, "AlwaysOnTop"),
      minimizeLook_(SkinData::minimize_png, SkinData::minimize_pngSize, SkinData::minimize_png,
                    SkinData::minimize_pngSize, SkinData::minimizedown_png,
                    SkinData::minimizedown_pngSize),
      minimizeButton_(minimizeLook_, "Minimize") {
    model.ConnectAtStart();
    unit_ = std::make_unique<AvcUnit>(model);
    settings_ = std::make_unique<DeviceSettings>(model);
    state_ = std::make_unique<PanelState>();
    if (onDesktop) {
        remembered_ = WindowMemory::read();
        state_->setTooltipsShown(remembered_->tooltips);
    }
    mainComp_ = std::make_unique<MainComp>(*unit_, *state_, *settings_, model);
    mainComp_->addActionListener(this);
    placeTitleBarButton(shadeButton_, shadeLook_, 657);
    placeTitleBarButton(minimizeButton_, minimizeLook_, 677);
    placeTitleBarButton(topButton_, topLook_, 637);
    look_ = std::make_unique<myTooltip>(*state_);
    juce::LookAndFeel::setDefaultLookAndFeel(look_.get());
    // Only windows on the desktop hear of a new default look; this one may not be there yet.
    sendLookAndFeelChange();
    setVisible(true);
    setContentNonOwned(mainComp_.get(), false);
    // Without a display there is no screen to centre on (snapshots).
    if (juce::Desktop::getInstance().getDisplays().getPrimaryDisplay() != nullptr)
        centreWithSize(kWidth, kStartHeight);
    else
        setSize(kWidth, kStartHeight);
    setOpaque(true);
    if (onDesktop) {
        placeAsRemembered();
        addToDesktop(juce::ComponentPeer::windowAppearsOnTaskbar);
        toFront(true);
        if (remembered_->alwaysOnTop)
            topButton_.setToggleState(true);
        remote_ = std::make_unique<RemoteHost>(*mainComp_);
        remote_->onTurnStart([this] { takeShadeMoves(); });
        remote_->onTurn([this] { showRemoteChanges(); });
        remote_->overlayValues([this](juce::PropertySet& mix) { addShadeValues(mix); });
        mainComp_->onRemoteControl = [this] { remote_->showDialog(); };
    }
    setTitleBarHeight(kTitleBarHeight);
}

// A position on no screen any more comes onto the main screen.
void MainWindow::placeAsRemembered() {
    const juce::Displays& displays = juce::Desktop::getInstance().getDisplays();
    if (!remembered_->position || displays.getPrimaryDisplay() == nullptr)
        return;
    juce::Array<juce::Rectangle<int>> screens;
    for (const juce::Displays::Display& display : displays.displays)
        screens.add(display.userArea);
    setBounds(WindowMemory::placeOnScreens(getBounds().withPosition(*remembered_->position),
                                           screens, displays.getPrimaryDisplay()->userArea));
}

// The unit and the strip need the units read: the first change of the units
// brings them back.
void MainWindow::restoreUnitAndShade() {
    if (!remembered_ || restored_ || unit_->GetUnitCount() == 0)
        return;
    restored_ = true;
    mainComp_->getUnitSelect().selectCaption(remembered_->unit);
    if (remembered_->shade)
        shadeButton_.setToggleState(true);
}

void MainWindow::remember() {
    if (!remembered_)
        return;
    WindowMemory::State state;
    state.position = getPosition();
    state.alwaysOnTop = topButton_.getToggleState();
    state.shade = shade_ != nullptr;
    state.tooltips = state_->getTooltipsShown();
    state.unit = mainComp_->getUnitSelect().selectedCaption();
    WindowMemory::store(state);
}

// The components go before the look they are drawn with, and the unit
// commands after the main component, which sends its farewell through them.
MainWindow::~MainWindow() {
    remember();
    shadeButton_.removeActionListener(this);
    topButton_.removeActionListener(this);
    minimizeButton_.removeActionListener(this);
    mainComp_->removeActionListener(this);
    clearContentComponent();
    shade_.reset();
    mainComp_.reset();
    removeAllChildren();
    juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
    if (juce::JUCEApplicationBase::getInstance() != nullptr)
        juce::JUCEApplicationBase::quit();
}

void MainWindow::placeTitleBarButton(iButton& button, const myButtonStyle& look, int x) {
    Component::addAndMakeVisible(button);
    button.setBounds(x, 2, look.getImageWidth(), look.getImageHeight());
    button.addActionListener(this);
}

void MainWindow::closeButtonPressed() {
    if (juce::JUCEApplicationBase::getInstance() != nullptr)
        juce::JUCEApplicationBase::quit();
}

void MainWindow::paint(juce::Graphics& g) {
    juce::DialogWindow::paint(g);
    if (painted_)
        return;
    painted_ = true;
    if (firstPaint_)
        firstPaint_();
}

void MainWindow::paintOverChildren(juce::Graphics& g) {
    juce::DialogWindow::paintOverChildren(g);
    frameFlush_.framePainted();
}

// The window may already have been painted while it was being built.
void MainWindow::whenFirstPainted(std::function<void()> callback) {
    if (painted_)
        callback();
    else
        firstPaint_ = std::move(callback);
}

void MainWindow::activeWindowStatusChanged() {
    juce::DialogWindow::activeWindowStatusChanged();
    // The look's change while the window is taken down lands here too.
    if (mainComp_ != nullptr && isActiveWindow())
        mainComp_->getControlPanel().refreshFromDriver();
}

bool MainWindow::keyPressed(const juce::KeyPress& key) {
    if (shade_ == nullptr && mainComp_->keyPressed(key))
        return true;
    return juce::DialogWindow::keyPressed(key);
}

// The main component has handled a change of the units; the strip follows it.
void MainWindow::actionListenerCallback(const juce::String& message) {
    if (message == "ConfigChange") {
        if (shade_ != nullptr)
            shade_->unitsChanged();
        restoreUnitAndShade();
        return;
    }
    titleBarMessage(message);
}

void MainWindow::titleBarMessage(const juce::String& message) {
    if (message == "WinShade") {
        shadeButtonChanged();
    } else if (message == "AlwaysOnTop") {
        WindowStacking::keepOnTop(*this, topButton_.getToggleState());
        if (topButton_.getToggleState())
            toFront(false);
    } else if (message == "Minimize") {
        toggleMinimised();
    }
}

// The button always says which mode the window is in: leaving the strip
// always works, entering it without a unit does nothing and leaves it off.
void MainWindow::shadeButtonChanged() {
    const bool on = shadeButton_.getToggleState();
    if (on == (shade_ != nullptr))
        return;
    if (on && unit_->GetUnitCount() == 0) {
        shadeButton_.getButton().setToggleState(false, juce::dontSendNotification);
        return;
    }
    setShade(on);
}

// The main component stays alive off screen while the strip is shown: its
// mixer keeps watching the units.
void MainWindow::setShade(bool on) {
    if (on) {
        unit_->VendorCommand4();
        setBounds(getX(), getY(), kWidth, kShadeHeight);
        shade_ = std::make_unique<WinShadeComp>(*unit_, *state_);
        shadeBase_.clear();
        mainComp_->collectMix(shadeBase_);
        shadeUnit_ = unit_->selectedUnitPath();
        setContentNonOwned(shade_.get(), false);
        return;
    }
    setBounds(getX(), getY(), kWidth, kRestoredHeight);
    setContentNonOwned(mainComp_.get(), false);
    shade_.reset();
    mainComp_->refreshFromUnit();
}

// The strip talks to the unit directly; the commands of a remote turn start
// from its values (a mix saved holds them, a control set back to where the
// main component had it still moves), and the moves are a step to undo.
void MainWindow::takeShadeMoves() {
    if (shade_ == nullptr || !mainComp_->isEnabled() || unit_->selectedUnitPath() != shadeUnit_)
        return;
    juce::PropertySet mix;
    mainComp_->collectMix(mix);
    shade_->saveState(mix);
    mainComp_->applyMix(mix);
    mainComp_->getHistory().recordChange();
    shadeBase_.clear();
    mainComp_->collectMix(shadeBase_);
}

// Remote commands set the main component, off screen while the strip is
// shown: the strip takes the values they changed there, and keeps its own
// for the rest, which the user may have moved since. Another unit chosen is
// read by the strip itself: the main component reads it only after the turn.
void MainWindow::showRemoteChanges() {
    if (shade_ == nullptr)
        return;
    if (unit_->selectedUnitPath() != shadeUnit_) {
        shadeUnit_ = unit_->selectedUnitPath();
        shade_->refreshFromUnit();
        return;
    }
    juce::PropertySet now;
    mainComp_->collectMix(now);
    juce::PropertySet strip;
    shade_->saveState(strip);
    const juce::StringPairArray& values = now.getAllProperties();
    for (const juce::String& key : values.getAllKeys())
        if (values[key] != shadeBase_.getValue(key))
            strip.setValue(key, values[key]);
    shade_->loadState(strip);
    shadeBase_ = now;
}

// While the strip is shown its controls are the ones the user moves, and
// remote clients are told their values.
void MainWindow::addShadeValues(juce::PropertySet& mix) {
    if (shade_ != nullptr)
        shade_->saveState(mix);
}

void MainWindow::toggleMinimised() {
    if (auto* peer = getPeer()) {
        if (peer->isMinimised())
            peer->setMinimised(false);
        else
            setMinimised(true);
    }
}
