#include "command_bar.h"

#include "dispatch.h"
#include "office_interfaces.h"

namespace vexo::office {
namespace {

constexpr long msoBarFloating = 4;
constexpr long msoBarNoCustomize = 1;
constexpr long msoControlButton = 1;

ComPtr<IDispatch> FindBar(IDispatch* bars) {
    long count = Get(bars, L"Count").ToInt("CommandBars.Count");
    for (long i = 1; i <= count; ++i) {
        ComPtr<IDispatch> bar = Get(bars, L"Item", {Variant::Int(i)}).ToObject();
        if (bar && Get(bar.Get(), L"Name").ToText("CommandBar.Name") == Narrow(kBarName))
            return bar;
    }
    return {};
}

void SetPicture(IDispatch* button, Symbol symbol) {
    // Office 2000 has no Picture and Mask; the button then shows its caption alone.
    try {
        Put(button, L"Picture", Variant::Object(ButtonPicture(symbol).Get()));
        Put(button, L"Mask", Variant::Object(ButtonMask(symbol).Get()));
    } catch (const Error&) {
    }
}

}  // namespace

OfficeCommandBar::OfficeCommandBar(IDispatch* application, const StateOf& enabled,
                                   const StateOf& visible, ClickHandler on_click)
    : on_click_(std::move(on_click)) {
    ComPtr<IDispatch> bars = GetObject(application, L"CommandBars");
    bar_ = FindBar(bars.Get());
    if (!bar_) {
        bar_ = Call(bars.Get(), L"Add",
                    {Variant::Text(Narrow(kBarName)), Variant::Int(msoBarFloating),
                     Variant::Missing(), Variant::Bool(false)})
                   .ToObject();
        if (!bar_) throw Error("Die Symbolleiste \"Ostrak Vexo\" konnte nicht angelegt werden.");
    }
    ComPtr<IDispatch> controls = GetObject(bar_.Get(), L"Controls");
    for (int i = 0; i < kBarButtonTotal; ++i) {
        const BarButtonSpec& spec = kBarButtons[i];
        ComPtr<IDispatch> button =
            Call(bar_.Get(), L"FindControl",
                 {Variant::Missing(), Variant::Missing(), Variant::Text(Narrow(spec.tag))})
                .ToObject();
        if (!button) {
            button = Call(controls.Get(), L"Add",
                          {Variant::Int(msoControlButton), Variant::Missing(), Variant::Missing(),
                           Variant::Missing(), Variant::Bool(false)})
                         .ToObject();
            if (!button) throw Error("Die Schaltfläche konnte nicht angelegt werden.");
        }
        Put(button.Get(), L"Style", Variant::Int(spec.style));
        Put(button.Get(), L"Caption", Variant::Text(Narrow(spec.caption)));
        Put(button.Get(), L"TooltipText", Variant::Text(Narrow(spec.tooltip)));
        Put(button.Get(), L"DescriptionText", Variant::Text(Narrow(spec.description)));
        Put(button.Get(), L"Tag", Variant::Text(Narrow(spec.tag)));
        Put(button.Get(), L"BeginGroup", Variant::Bool(spec.begin_group));
        Put(button.Get(), L"Visible", Variant::Bool(visible_[i] = visible(i)));
        Put(button.Get(), L"Enabled", Variant::Bool(enabled_[i] = enabled(i)));
        SetPicture(button.Get(), spec.symbol);
        clicks_[i] = std::make_unique<EventConnection>(button.Get(), DIID_CommandBarButtonEvents,
                                                       [this, i](DISPID event, DISPPARAMS*) {
                                                           if (event == dispid::kButtonClick)
                                                               on_click_(i);
                                                       });
        buttons_[i] = std::move(button);
    }
    Put(bar_.Get(), L"Visible", Variant::Bool(true));
    Put(bar_.Get(), L"Enabled", Variant::Bool(true));
    Put(bar_.Get(), L"Protection", Variant::Int(msoBarNoCustomize));
}

OfficeCommandBar::~OfficeCommandBar() = default;

void OfficeCommandBar::Show(int index, bool enabled, bool visible) {
    if (index < 0 || index >= kBarButtonTotal || !buttons_[index]) return;
    if (enabled_[index] != enabled)
        Put(buttons_[index].Get(), L"Enabled", Variant::Bool(enabled_[index] = enabled));
    if (visible_[index] != visible)
        Put(buttons_[index].Get(), L"Visible", Variant::Bool(visible_[index] = visible));
}

void OfficeCommandBar::Delete() {
    for (auto& click : clicks_) click.reset();
    for (auto& button : buttons_) button.Reset();
    Call(bar_.Get(), L"Delete");
    bar_.Reset();
}

}  // namespace vexo::office
