#include <gtest/gtest.h>
#include <gdk/gdkkeysyms.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "gtk/keys.h"
#include "gtk/pictures.h"
#include "gtk/settings_file.h"
#include "gtk/single_instance.h"
#include "gtk/sound.h"
#include "game/host.h"
#include "media/sounds.h"
#include "resources/ids.h"
#include "resources/texts.h"
#include "gtk/text.h"
#include "store/atomic_file.h"
#include "store/settings.h"
#include "tests/store/temp_files.h"

namespace {

TEST(GtkKeys, KeysActByKeysymAndCharactersAsTyped) {
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_Left, false).key, Command::MoveLeft);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_Right, false).key, Command::MoveRight);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_Up, false).key, Command::Rotate);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_space, false).key, Command::Rotate);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_Down, true).key, Command::DownPressed);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_KP_Down, false).key, Command::DownPressed);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_Escape, false).key, Command::Hide);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_F1, false).key, Command::ShowAbout);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_F8, false).key, Command::ShowHighScores);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_F9, false).key, Command::None);
    EXPECT_EQ(CommandForKeyRelease(GDK_KEY_Down), Command::DownReleased);
    EXPECT_EQ(CommandForKeyRelease(GDK_KEY_Left), Command::None);

    // "+" from the main keys or the keypad; "<" and ">" whatever shifted them.
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_plus, false).character, Command::SpeedUp);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_KP_Add, false).character, Command::SpeedUp);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_KP_Subtract, false).character, Command::SpeedDown);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_less, false).character, Command::RowsUp);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_greater, false).character, Command::RowsDown);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_plus, false).key, Command::None);
    // Ctrl turns characters into control codes on Windows.
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_minus, true).character, Command::None);
    EXPECT_EQ(CommandsForKeyPress(GDK_KEY_space, false).character, Command::None);
}

TEST(GtkText, GbkAndUtf8MeetAtTheToolkit) {
    // The texts are GBK, u8 literals UTF-8 (named here: a test macro's
    // spelling of its arguments must be ASCII).
    const std::string start = u8"开始(F2)";
    const std::string yes = u8"是(_Y)";
    EXPECT_EQ(Utf8FromGbk(kStartText), start);
    EXPECT_EQ(GbkFromUtf8(start.c_str()), kStartText);
    // A lead byte without its trail byte is one replacement character.
    EXPECT_EQ(Utf8FromGbk("A\xBF"), "A\xEF\xBF\xBD");
    EXPECT_EQ(Utf8FromGbk("\x80Z"), "\xEF\xBF\xBDZ");
    EXPECT_EQ(GbkFromUtf8(u8"a\u20AC\U0001F600b"), "a\x80?b");  // GBK holds the euro sign, not the emoji
    EXPECT_EQ(GbkFromUtf8("\xC3"), "");         // not UTF-8 at all
    EXPECT_EQ(MnemonicFromGbk(kYesText), yes);
    EXPECT_EQ(MnemonicFromGbk("Ctrl && DOWN_1"), "Ctrl & DOWN__1");
}

TEST(GtkSettingsFile, LivesInTheUsersConfigurationFolder) {
    EXPECT_EQ(SettingsFilePath("/x/conf", "/home/p"), "/x/conf/trelmo/trelmo.ini");
    EXPECT_EQ(SettingsFilePath(nullptr, "/home/p"), "/home/p/.config/trelmo/trelmo.ini");
    EXPECT_EQ(SettingsFilePath("", "/home/p"), "/home/p/.config/trelmo/trelmo.ini");
    EXPECT_EQ(SettingsFilePath("relative", "/home/p"), "/home/p/.config/trelmo/trelmo.ini");
    EXPECT_EQ(SettingsFilePath(nullptr, nullptr), "");
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(GtkSettingsFile, TheFirstSaveMakesTheFolderAndAFailedSaveLeavesTheFile) {
    TempDir dir;
    const std::string file = SettingsFilePath(dir.Path("config").c_str(), nullptr);
    Options options = {};
    options.sound = 1;
    ScoreTable table = {};
    SaveSettingsFile(options, table, file.c_str());
    struct stat folder;
    ASSERT_EQ(stat(dir.Path("config/trelmo").c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);
    const std::string saved = ReadAll(file);
    EXPECT_NE(saved.find("[Settings]"), std::string::npos);
    EXPECT_NE(saved.find("Sound=1"), std::string::npos);

    // A disk that fills up in the middle of the next save.
    FileOps ops = SystemFileOps();
    ops.write = [](int handle, const char* data, size_t size) {
        SystemFileOps().write(handle, data, size / 2);
        return false;
    };
    UseFileOps(&ops);
    options.sound = 0;
    SaveSettingsFile(options, table, file.c_str());
    UseFileOps(nullptr);
    EXPECT_EQ(ReadAll(file), saved);
}

TEST(GtkSingleInstance, ASecondCopyFindsTheLockTaken) {
    TempDir dir;
    EXPECT_EQ(InstanceLockPath("/run/user/7", 7), "/run/user/7/trelmo.lock");
    EXPECT_EQ(InstanceLockPath(nullptr, 7), "/tmp/trelmo-7.lock");
    const std::string lock = InstanceLockPath(dir.Path("").c_str(), 0);
    EXPECT_TRUE(TakeInstanceLock(lock));
    EXPECT_FALSE(TakeInstanceLock(lock));  // a second open of the file, as a second process
    // A lock that cannot be made does not keep the game from starting.
    EXPECT_TRUE(TakeInstanceLock(dir.Path("missing/folder/trelmo.lock")));
}

// As a busy device on Windows: the step goes on at once. (With the Sound
// option off the rules ask for a silent wait instead of the sound.)
TEST(GtkSounds, NoSoundServerCostsNoTime) {
    setenv("PULSE_SERVER", "unix:/nonexistent/trelmo-test", 1);
    setenv("PULSE_CLIENTCONFIG", "/dev/null", 1);
    Sounds sounds;
    const auto start = std::chrono::steady_clock::now();
    sounds.Play(LockSound);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

// The window's larger icons repeat each pixel of the 32 x 32 picture as a
// square, never a blend of its neighbours.
TEST(GtkIcon, LargerSizesAreWholeSquaresOfTheSmallPicture) {
    GdkPixbuf* small = IconPixbuf(IDI_PROGRAM);
    ASSERT_NE(small, nullptr);
    const int smallStride = gdk_pixbuf_get_rowstride(small);
    int size = 32;
    GList* sizes = ProgramIconSizes();
    for (GList* item = sizes; item != nullptr; item = item->next, size += 32) {
        GdkPixbuf* large = GDK_PIXBUF(item->data);
        ASSERT_EQ(gdk_pixbuf_get_width(large), size);
        ASSERT_EQ(gdk_pixbuf_get_height(large), size);
        const int factor = size / 32, stride = gdk_pixbuf_get_rowstride(large);
        int differing = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const guchar* want = gdk_pixbuf_get_pixels(small) + (y / factor) * smallStride + 4 * (x / factor);
                const guchar* got = gdk_pixbuf_get_pixels(large) + y * stride + 4 * x;
                differing += std::memcmp(want, got, 4) != 0;
            }
        EXPECT_EQ(differing, 0) << size;
    }
    EXPECT_EQ(size, 160);  // 32, 64, 96 and 128
    g_list_free_full(sizes, g_object_unref);
    g_object_unref(small);
}

}  // namespace
