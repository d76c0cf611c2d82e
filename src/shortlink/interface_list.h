// The short-link interface list: 按钮_获取接口 fetches the published plug-in list and each
// plug-in document and fills 超级列表框_接口列表 with one row per service:
//
//   0 序号 (row number from 1)  1 短网址 (Name)  2 类型 (Type)  3 作者 (Author)
//   4 版本 (Version)  5 数据 (Data, "$Url$" where the link goes)  6 接口地址 (API Path)
//
// Type, Data and API Path come from the document's interface object: the member whose name
// ends in "API".
#pragma once

#include "web/text.h"
#include "workbench/event_pump.h"
#include "workbench/form.h"
#include "workbench/messages.h"

namespace dq {

// Empties the list, then appends a row for every plug-in the list document names, counting
// them in 标签_接口数量 as it goes. With no list document the list stays empty, silently.
void FetchInterfaceList(Form& form, Messages& messages, const EventPump& pump = {});

// Fetches one plug-in document and appends its row; a document that cannot be read still
// gives a numbered row with every other cell empty.
void LoadInterface(Form& form, const Text& address, const EventPump& pump = {});

}  // namespace dq
