// The weather report: the city's pinyin slug, the weather site's pages, the pieces cut out of
// the page, the preview that composes them into 编辑框_天气, and the weather switch.
#pragma once

#include <string_view>

#include "services/gbk_subject.h"
#include "web/text.h"
#include "workbench/form.h"
#include "workbench/messages.h"
#include "workbench/workbench_state.h"

namespace dq {

// The weather site's base address (https, ends in "/") and its host name.
extern const std::string_view kWeatherSiteBase;
extern const std::string_view kWeatherSiteHost;

// Pinyin slug of a GBK city name: first readings of the GB2312 hanzi taken two bytes at a
// time from even offsets.
Text CitySlug(std::string_view city);
// Slug of the text of 城镇.
Text CitySlug(const Form& form);

Text WeatherPageAddress(std::string_view slug);  // base + slug + "/"
Text WeatherLifePageAddress(std::string_view slug);  // base + slug + "/life.html"

// CR LF, fourteen "━", CR LF.
Text WeatherSeparator();

// The pieces, in the order the preview composes them.
Text WeatherHeader(const Form& form, const WorkbenchState& state, Messages& messages);
Text WeatherWeekLine(const WorkbenchState& state);
Text WeatherAverageText(const WorkbenchState& state);
Text WeatherRangeLine(const Form& form, const WorkbenchState& state);  // fetches the page again
Text WeatherDetailLine(const WorkbenchState& state, Messages& messages);
// The same over the kept page as a subject made beforehand (see GbkSubject::FromConverted).
Text WeatherDetailLine(services::GbkSubject page, Messages& messages);

// 天气预览 clicked, Enter in 城镇, and one-click generation.
void WeatherPreview(Form& form, WorkbenchState& state, Messages& messages);

// 单选框_天气关 clicked and the start-up step that turns the weather off.
void WeatherOffStep(Form& form, const WorkbenchState& state, Messages& messages);
// 单选框_天气开 clicked.
void WeatherOnStep(Form& form);

}  // namespace dq
