#include "unattended/design_form.h"

#include "web/gbk_literal.h"
#include "workbench/control_names.h"

namespace dq {

using namespace dq::literals;

PlainForm MainWindowAsDesigned() {
    PlainForm form;
    form.setText(controls::kWeatherBox, "Dawnquill头部"_gbk);
    form.setText(controls::kNewsBox, "Dawnquill提示：确认好新闻条数-选择新闻类别-再点新闻预览"_gbk);
    form.setChecked("励志_单选", true);
    form.setChecked(controls::kWeatherOn, true);
    form.setChecked("单选框_utf8", true);
    form.setCurrentIndex(controls::kNewsTabs, 0);
    return form;
}

}  // namespace dq
