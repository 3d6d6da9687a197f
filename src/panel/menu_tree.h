#pragma once

#include "form/menu.h"

#include <vector>

namespace xj {

// The panel's menus with captions and shortcuts. The five top-level menus start hidden; the
// pop-up menu MNUBO never joins the menu bar.
struct PanelMenus {
    PanelMenus();

    // 文件(&F)
    Menu mnuwen{"mnuwen", "文件(&F)"};
    Menu MNUDADAN{"MNUDADAN", "打开单个文件(&R)", "Ctrl+R"};
    Menu MNUDAMU{"MNUDAMU", "打开目录(&O)", "Ctrl+O"};
    Menu M1{"M1", "-"};
    Menu mnuwengjianbaochun{"mnuwengjianbaochun", "保存改动(&B)"};
    Menu mnbv{"mnbv", "-"};
    Menu MNUCA{"MNUCA", "查找(&F)"};
    Menu m2{"m2", "-"};
    Menu mnuTui{"mnuTui", "退出(&X)"};

    // 播放(&O)
    Menu MNUBO2{"MNUBO2", "播放(&O)"};
    Menu MNUBOFANG2{"MNUBOFANG2", "播放(&P)"};
    Menu MNUZAN2{"MNUZAN2", "暂停(&S)"};
    Menu m13{"m13", "-"};
    Menu MNUSHANG2{"MNUSHANG2", "播放上一首(&T)"};
    Menu MNUXIA2{"MNUXIA2", "播放下一首(&C)"};
    Menu M14{"M14", "-"};
    Menu MNUZHENG2{"MNUZHENG2", "正常速度播放(&G)"};
    Menu MNUKUAI2{"MNUKUAI2", "快速播放"};
    Menu MNUJIAKUAI1A2{"MNUJIAKUAI1A2", "加快10% (&F)"};
    Menu MNUJIAKUAI2A2{"MNUJIAKUAI2A2", "加快20%  "};
    Menu MNUMAN2{"MNUMAN2", "慢速播放"};
    Menu MNUJIAN1A2{"MNUJIAN1A2", "减慢播放10%(&M)  "};
    Menu MNUJIAN2A2{"MNUJIAN2A2", "减慢播放20%  "};
    Menu MNUDAO2{"MNUDAO2", "慢速倒播(&X)"};
    Menu M15{"M15", "-"};
    Menu MNUYINLIANGJIA{"MNUYINLIANGJIA", "音量加大(&B)"};
    Menu MNUYINLIANGJIAN{"MNUYINLIANGJIAN", "音量减小(&A)"};
    Menu m31{"m31", "-"};
    Menu MNUSUIJI2{"MNUSUIJI2", "随机播放(&J)"};
    Menu MNUQIE2{"MNUQIE2", "切换循环模式(&H)"};
    Menu M16{"M16", "-"};
    Menu MNUHUANDENG{"MNUHUANDENG", "快放幻灯片(&D)"};
    Menu MNUFANGHUANDENGMAN{"MNUFANGHUANDENGMAN", "慢放幻灯片(&F)"};
    Menu mnu17{"mnu17", "-"};
    Menu MNUYINCANG2{"MNUYINCANG2", "隐藏菜单栏(&Y)"};

    // 播放: the playlist's pop-up menu
    Menu MNUBO{"MNUBO", "播放"};
    Menu MNUBOFANG{"MNUBOFANG", "播放(&P)", "Ctrl+P"};
    Menu MNUZAN{"MNUZAN", "暂停", "Ctrl+W"};
    Menu m3{"m3", "-"};
    Menu MNUSHANG{"MNUSHANG", "播放上一首"};
    Menu MNUXIA{"MNUXIA", "播放下一首"};
    Menu m4{"m4", "-"};
    Menu MNUZHENG{"MNUZHENG", "正常速度播放", "Ctrl+Q"};
    Menu MNUKUAI{"MNUKUAI", "快速播放"};
    Menu MNUJIAKUAI1{"MNUJIAKUAI1", "加快10%  ", "Ctrl+A"};
    Menu MNUJIAKUAI2{"MNUJIAKUAI2", "加快20%  ", "Ctrl+S"};
    Menu MNUMAN{"MNUMAN", "慢速播放"};
    Menu MNUJIAN1{"MNUJIAN1", "减慢播放10%  ", "Ctrl+Z"};
    Menu MNUJIAN2{"MNUJIAN2", "减慢播放20% ", "Ctrl+X"};
    Menu MNUDAO{"MNUDAO", "慢速倒播"};
    Menu MNU1ZHITI{"MNU1ZHITI", "目录字体大小"};
    Menu MNU1BIANDA{"MNU1BIANDA", "增大"};
    Menu MNU1JIANXIAO{"MNU1JIANXIAO", "减小"};
    Menu MNU1MOREN{"MNU1MOREN", "默认大小"};
    Menu m5{"m5", "-"};
    Menu MNUSUIJI{"MNUSUIJI", "随机播放(&J)"};
    Menu MNUQIE{"MNUQIE", "切换循环模式"};
    Menu m9{"m9", "-"};
    Menu MNUSANC123{"MNUSANC123", "删除"};
    Menu MNUXUAN2{"MNUXUAN2", "当前目录选删(&D)"};
    Menu mnusancong{"mnusancong", "删除重复(&c)"};
    Menu MNUQUAN2{"MNUQUAN2", "当前目录全删(&K)"};
    Menu mn100{"mn100", "-"};
    Menu MNUYINCANG{"MNUYINCANG", "显示菜单栏"};
    Menu M19{"M19", "-"};
    Menu MNUBANG2{"MNUBANG2", "帮助"};

    // 工具(&T)
    Menu MNUGONG{"MNUGONG", "工具(&T)"};
    Menu mnuyouxp{"mnuyouxp", "XP系统使用优化"};
    Menu lkj{"lkj", "-"};
    Menu MNUSAN546{"MNUSAN546", "删除"};
    Menu MNUXUAN{"MNUXUAN", "当前目录选删(&D)"};
    Menu mnusancong2{"mnusancong2", "删除重复(&c)"};
    Menu MNUQUAN{"MNUQUAN", "当前目录全删(&K)", "Ctrl+U"};
    Menu m6{"m6", "-"};
    Menu MNUDIAO{"MNUDIAO", "从目录库调出(&F)"};
    Menu m7{"m7", "-"};
    Menu MNUSANSHUO{"MNUSANSHUO", "窗体闪烁(&S)"};
    Menu MNUMIANBAN{"MNUMIANBAN", "当前媒体资料(&B)"};
    Menu MNU33{"MNU33", "-"};
    Menu MNUBOFANGKOU1{"MNUBOFANGKOU1", "切换播放窗口大小(&C)"};
    Menu MNUZHUIXIAOHUA{"MNUZHUIXIAOHUA", "最小化所有窗体(&I)"};
    Menu M10{"M10", "-"};
    Menu MNUMULUBIAO{"MNUMULUBIAO", "切换目录表工具(&C)"};

    // 帮助(&H)
    Menu MNUBANG{"MNUBANG", "帮助(&H)"};
    Menu mnujie{"mnujie", "星鲸超级声海(&D)"};

    // The top-level menus in their order; MNUBO among them.
    std::vector<Menu*> topMenus() { return {&mnuwen, &MNUBO2, &MNUBO, &MNUGONG, &MNUBANG}; }
    // The menus that make up the menu bar, in their places.
    std::vector<Menu*> menuBar() { return {&mnuwen, &MNUBO2, &MNUGONG, &MNUBANG}; }
    // Every menu and item, depth first.
    std::vector<Menu*> allMenus();
};

} // namespace xj
