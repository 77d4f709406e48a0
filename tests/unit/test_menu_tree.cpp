// The menu table, row by row: names, captions with their access keys, shortcuts, order.
#include "drawing/menu_tree.h"
#include "windows/form1.h"

#include <QTest>

class MenuTreeTest : public QObject {
    Q_OBJECT
private slots:
    void rowsInDisplayOrder() {
        struct Row {
            int level;
            const char* name;
            const char* caption;
            const char* shortcut;
        };
        const Row expected[] = {
            {1, "file1", "&File", ""},
            {2, "print1", "&Print", "Ctrl+P"},
            {2, "save1", "&Save", "Ctrl+S"},
            {2, "exit1", "E&xit", "Ctrl+X"},
            {1, "ColorMenu", "Pen &Colors", ""},
            {2, "BlackColor", "Black", "Ctrl+K"},
            {2, "WhiteColor", "White", "Ctrl+W"},
            {2, "RedColor", "Red", "Ctrl+R"},
            {2, "BlueColor", "Blue", "Ctrl+B"},
            {2, "GreenColor", "Green", "Ctrl+G"},
            {2, "YellowColor", "Yellow", "Ctrl+Y"},
            {2, "MagentaColor", "Magenta", "Ctrl+M"},
            {2, "OrangeColor", "Orange", "Ctrl+O"},
            {2, "CyanColor", "Cyan", "Ctrl+C"},
            {2, "GrayColor", "Gray", "Ctrl+E"},
            {1, "ScreenColor", "&Background Color", ""},
            {2, "BlackScreen", "&Black", "F5"},
            {2, "GrayScreen", "&Gray", "F6"},
            {1, "ShakeIt", "&Shake", ""},
            {2, "ShakeItBaby", "&Shake It Baby!", "F4"},
            {1, "SetPen", "&Place Pen", ""},
            {2, "RandomPen", "Random", "F7"},
            {1, "PenWidth1", "Pen &Width", ""},
            {2, "One1", "1", ""},
            {2, "two1", "2", ""},
            {2, "five1", "5", ""},
            {2, "ten1", "10", ""},
            {2, "fifty1", "50", ""},
            {1, "PSpeed", "Pen &Velocity", ""},
            {2, "FiveSpeed", "5", ""},
            {2, "FiftySpeed", "50", ""},
            {2, "HunSpeed", "100", ""},
            {2, "TwoHunSpeed", "200", ""},
            {1, "MoreFun1", "&More Fun", ""},
            {2, "AddYourName1", "Add Your Name", ""},
            {1, "AboutProgram", "&About", ""},
            {2, "ControlGame", "How to use Scribblewick!", "F1"},
            {2, "AboutPemrod", "About Scribblewick", "F2"},
        };
        constexpr auto tree = drawing::menuTree<Form1>();
        QCOMPARE(tree.size(), std::size(expected));
        for (std::size_t i = 0; i < tree.size(); ++i) {
            QCOMPARE(tree[i].level, expected[i].level);
            QCOMPARE(tree[i].name, expected[i].name);
            QCOMPARE(tree[i].caption, expected[i].caption);
            QCOMPARE(tree[i].shortcut, expected[i].shortcut);
            // Menus only open; every entry runs a command.
            QCOMPARE(tree[i].click == nullptr, tree[i].level == 1);
        }
    }

    void handlersAreDistinct() {
        constexpr auto tree = drawing::menuTree<Form1>();
        for (std::size_t i = 0; i < tree.size(); ++i)
            for (std::size_t j = i + 1; j < tree.size(); ++j)
                if (tree[i].click && tree[i].click == tree[j].click)
                    QFAIL(qPrintable(QStringLiteral("%1 and %2 share a handler")
                                         .arg(tree[i].name, tree[j].name)));
    }
};

QTEST_APPLESS_MAIN(MenuTreeTest)
#include "test_menu_tree.moc"
