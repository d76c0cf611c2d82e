#!/usr/bin/env python3
"""Writes the expected wx.txt of the one-click test, piece by piece, from the fixture pages.

Run it here after changing shijiazhuang.html, the news fixture portal_home.html or the quote
of the test; it writes golden_wx.txt (the whole briefing) and golden_news.txt (the news box:
headlines with links, then the quote block), both GBK with CR LF.
"""

CRLF = "\r\n"
RULE = "━" * 14
SEPARATOR = CRLF + RULE + CRLF

# Weather box: header, separator, week line, average and condition, range, detail, separator.
weather = (
    "12月11日" + "石家庄" + "早报" + SEPARATOR
    + "2026年12月11日　星期五　冬月十二" + CRLF
    + "平均气温：" + "1" + "℃ "
    + "多云" + CRLF + "最低最高：" + "-6 ~ 4" + "℃" + CRLF
    + "湿度：41%" + "风向：西南风 1级" + "紫外线：最弱" + SEPARATOR
)

# News box: five headlines of the portal page with their links, then the quote block.
titles = ["要闻一", "版本21发布", "要闻三", "要闻四", "要闻五"]
news = "".join(
    "%d.%s%shttps://www.example.cn/gn/%d.shtml%s" % (k, title, CRLF, k, CRLF)
    for k, title in enumerate(titles, 1)
)
news += RULE + CRLF + "每日寄语" + CRLF + "千里之行，始于足下。"

with open("golden_wx.txt", "wb") as out:
    out.write((weather + news).encode("gbk"))
with open("golden_news.txt", "wb") as out:
    out.write(news.encode("gbk"))
