// The messages and box titles of the source manager windows, byte for byte as the user sees
// them.
#pragma once

#include <QString>

#include "web/gbk_literal.h"

namespace dq::sources {

using namespace dq::literals;

inline const QString kFriendlyTip = QStringLiteral("友情提示");
inline const QString kDeleteTitle = QStringLiteral("删除提示");
inline const QString kInformationTitle = QStringLiteral("信息：");
inline const QString kSucceededTitle = QStringLiteral("成功");
inline const QString kFailedTitle = QStringLiteral("失败");

inline const Text& NothingToModifyMessage() { return "您还没有选择要修改的数据呢！"_gbk; }
inline const Text& NothingToDeleteMessage() { return "您还没有选择要删除的数据呢！"_gbk; }
inline const Text& ReallyDeleteMessage() { return "您真的要删除选中的数据吗？"_gbk; }
inline const Text& DeletedMessage() { return "删除成功"_gbk; }
inline const Text& NotDeletedMessage() { return "删除失败"_gbk; }
inline const Text& NoKeywordMessage() { return "您还没有输入查询关键字呢！"_gbk; }
inline const Text& AddedMessage() { return "添加成功"_gbk; }
inline const Text& NotAddedMessage() { return "添加失败"_gbk; }
inline const Text& ModifiedMessage() { return "修改成功"_gbk; }
inline const Text& NotModifiedMessage() { return "修改失败"_gbk; }

}  // namespace dq::sources
