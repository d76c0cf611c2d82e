// The weather switch: with the weather off the news box moves up over the weather box, which
// keeps only the header and its separator.
#include "content/weather.h"
#include "workbench/control_names.h"

namespace dq {
namespace {

constexpr int kNewsTopWeatherOff = 45;
constexpr int kNewsHeightWeatherOff = 400;
constexpr int kNewsTopWeatherOn = 146;
constexpr int kNewsHeightWeatherOn = 325;

}  // namespace

void WeatherOffStep(Form& form, const WorkbenchState& state, Messages& messages) {
    form.setText(controls::kWeatherBox, WeatherHeader(form, state, messages) + WeatherSeparator());
    form.setTopAndHeight(controls::kNewsBox, kNewsTopWeatherOff, kNewsHeightWeatherOff);
}

void WeatherOnStep(Form& form) {
    form.setVisible(controls::kWeatherBox, true);
    form.setTopAndHeight(controls::kNewsBox, kNewsTopWeatherOn, kNewsHeightWeatherOn);
}

}  // namespace dq
