#include "panel/menu_tree.h"

namespace xj {

PanelMenus::PanelMenus() {
    mnuwen.items = {&MNUDADAN, &MNUDAMU, &M1, &mnuwengjianbaochun, &mnbv, &MNUCA, &m2, &mnuTui};

    MNUKUAI2.items = {&MNUJIAKUAI1A2, &MNUJIAKUAI2A2};
    MNUMAN2.items = {&MNUJIAN1A2, &MNUJIAN2A2};
    MNUBO2.items = {
        &MNUBOFANG2,         &MNUZAN2,  &m13,        &MNUSHANG2, &MNUXIA2, &M14,
        &MNUZHENG2,          &MNUKUAI2, &MNUMAN2,    &MNUDAO2,   &M15,     &MNUYINLIANGJIA,
        &MNUYINLIANGJIAN,    &m31,      &MNUSUIJI2,  &MNUQIE2,   &M16,     &MNUHUANDENG,
        &MNUFANGHUANDENGMAN, &mnu17,    &MNUYINCANG2};

    MNUKUAI.items = {&MNUJIAKUAI1, &MNUJIAKUAI2};
    MNUMAN.items = {&MNUJIAN1, &MNUJIAN2};
    MNU1ZHITI.items = {&MNU1BIANDA, &MNU1JIANXIAO, &MNU1MOREN};
    MNUSANC123.items = {&MNUXUAN2, &mnusancong, &MNUQUAN2};
    MNUBO.items = {&MNUBOFANG, &MNUZAN,     &m3,     &MNUSHANG,   &MNUXIA, &m4,       &MNUZHENG,
                   &MNUKUAI,   &MNUMAN,     &MNUDAO, &MNU1ZHITI,  &m5,     &MNUSUIJI, &MNUQIE,
                   &m9,        &MNUSANC123, &mn100,  &MNUYINCANG, &M19,    &MNUBANG2};

    MNUSAN546.items = {&MNUXUAN, &mnusancong2, &MNUQUAN};
    MNUGONG.items = {&mnuyouxp,       &lkj,
                     &MNUSAN546,      &m6,
                     &MNUDIAO,        &m7,
                     &MNUSANSHUO,     &MNUMIANBAN,
                     &MNU33,          &MNUBOFANGKOU1,
                     &MNUZHUIXIAOHUA, &M10,
                     &MNUMULUBIAO};

    MNUBANG.items = {&mnujie};

    for (Menu* top : topMenus())
        top->Visible = false;
    MNUHUANDENG.Enabled = false;
    MNUFANGHUANDENGMAN.Enabled = false;
}

std::vector<Menu*> PanelMenus::allMenus() {
    std::vector<Menu*> out;
    auto walk = [&out](auto&& self, Menu* m) -> void {
        out.push_back(m);
        for (Menu* child : m->items)
            self(self, child);
    };
    for (Menu* top : topMenus())
        walk(walk, top);
    return out;
}

} // namespace xj
