// Runs under Wine against its real registry. Each test uses a company key of
// its own under HKEY_CURRENT_USER\Software and deletes it before and after.
#include "settings/registry_profile.h"

#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings/last_battle_settings.h"
#include "settings/running_application_name.h"

namespace menetkalk {
namespace {

using Bytes = std::vector<BYTE>;

constexpr LastBattleSettings kFirstRun{0, 0, 0, 0, 20, 14, 58, 0, 0, 0};
constexpr LastBattleSettings kSample{-500, 500, std::numeric_limits<std::int32_t>::min(), -1, 23, 59, 1, 2, 6,
                                     std::numeric_limits<std::int32_t>::max()};
constexpr LastBattleSettings kOther{1, 2, 3, 4, 5, 6, 7, 1, 3, 20};

std::wstring Widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

struct KeyCounts {
  DWORD subKeys = 0;
  DWORD values = 0;
  friend bool operator==(const KeyCounts&, const KeyCounts&) = default;
};

void PrintTo(const KeyCounts& c, std::ostream* os) { *os << c.subKeys << " subkeys, " << c.values << " values"; }

class RegistryProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    company_ = L"Menetkalk Test " + Widen(info->name());
    DeleteCompanyKey();
  }
  void TearDown() override { DeleteCompanyKey(); }

  void DeleteCompanyKey() const {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, CompanyPath().c_str());
    ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
    RegDeleteKeyW(HKEY_CURRENT_USER, CompanyPath().c_str());
  }

  std::wstring CompanyPath() const { return L"Software\\" + company_; }
  std::wstring ApplicationPath(const std::wstring& application) const {
    return CompanyPath() + L"\\" + application;
  }
  std::wstring SectionPath(const std::wstring& application) const {
    return ApplicationPath(application) + L"\\LastBattle";
  }

  RegistryProfile Profile(const std::wstring& application) const { return RegistryProfile(company_, application); }

  std::optional<KeyCounts> Counts(const std::wstring& path) const {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    KeyCounts counts;
    const LSTATUS status = RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &counts.subKeys, nullptr, nullptr,
                                            &counts.values, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    return counts;
  }

  void SetRaw(const std::wstring& application, std::string_view entry, DWORD type, const Bytes& data) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(application).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const LSTATUS status = RegSetValueExW(key, Widen(entry).c_str(), 0, type, data.data(),
                                          static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS);
  }

  struct RawValue {
    DWORD type = REG_NONE;
    Bytes data;
  };
  std::optional<RawValue> GetRaw(const std::wstring& application, std::string_view entry) const {
    RawValue raw;
    DWORD size = 0;
    const std::wstring path = SectionPath(application);
    const std::wstring name = Widen(entry);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &raw.type, nullptr,
                     &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    raw.data.resize(size);
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &raw.type,
                     raw.data.data(), &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    raw.data.resize(size);
    return raw;
  }

  void DeleteRaw(const std::wstring& application, std::string_view entry) const {
    ASSERT_EQ(RegDeleteKeyValueW(HKEY_CURRENT_USER, SectionPath(application).c_str(), Widen(entry).c_str()),
              ERROR_SUCCESS);
  }

  std::wstring company_;
};

Bytes LittleEndian(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<BYTE>(bits), static_cast<BYTE>(bits >> 8), static_cast<BYTE>(bits >> 16),
          static_cast<BYTE>(bits >> 24)};
}

TEST_F(RegistryProfileTest, NoKeyGivesTheDefaultsAndLeavesTheEmptyKeyPathBehind) {
  ASSERT_FALSE(Counts(CompanyPath()));
  RegistryProfile profile = Profile(L"Menetkalk");

  EXPECT_EQ(LoadLastBattle(profile), kFirstRun);

  EXPECT_EQ(Counts(CompanyPath()), (KeyCounts{1, 0}));
  EXPECT_EQ(Counts(ApplicationPath(L"Menetkalk")), (KeyCounts{1, 0}));
  EXPECT_EQ(Counts(SectionPath(L"Menetkalk")), (KeyCounts{0, 0}));
}

TEST_F(RegistryProfileTest, ValuesAreStoredAsTwosComplementDwordsAndReadBack) {
  RegistryProfile profile = Profile(L"Menetkalk");
  SaveLastBattle(profile, kSample);

  const std::optional<RawValue> ownX = GetRaw(L"Menetkalk", "SajatX");
  ASSERT_TRUE(ownX);
  EXPECT_EQ(ownX->type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(ownX->data, (Bytes{0x0C, 0xFE, 0xFF, 0xFF}));  // 0xFFFFFE0C, that is -500

  // Each field under its own name, as a four-byte DWORD.
  const std::pair<std::string_view, std::int32_t> stored[] = {
      {"SajatX", -500}, {"SajatY", 500}, {"CelX", std::numeric_limits<std::int32_t>::min()},
      {"CelY", -1},     {"COra", 23},    {"CPerc", 59},
      {"CMasod", 1},    {"Nep", 2},      {"HetNap", 6},
      {"Gyakorlo", std::numeric_limits<std::int32_t>::max()},
  };
  for (const auto& [entry, value] : stored) {
    SCOPED_TRACE(std::string(entry));
    const std::optional<RawValue> raw = GetRaw(L"Menetkalk", entry);
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw->data, LittleEndian(value));
  }
  EXPECT_EQ(Counts(SectionPath(L"Menetkalk")), (KeyCounts{0, 10}));

  EXPECT_EQ(LoadLastBattle(profile), kSample);
}

TEST_F(RegistryProfileTest, AnyTypeOfExactlyFourBytesReadsAsItsLittleEndianInteger) {
  struct Case {
    const char* what;
    DWORD type;
    Bytes data;
    std::int32_t read;  // "COra", whose default is 20
  };
  const auto text = [](const wchar_t* s) {
    const auto* bytes = reinterpret_cast<const BYTE*>(s);
    return Bytes(bytes, bytes + (std::wcslen(s) + 1) * sizeof(wchar_t));
  };
  const Case cases[] = {
      {"binary", REG_BINARY, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
      {"binary negative", REG_BINARY, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {"big-endian dword", REG_DWORD_BIG_ENDIAN, {0x00, 0x00, 0x00, 0x05}, 0x05000000},
      {"dword", REG_DWORD, LittleEndian(-500), -500},
      {"string of four characters", REG_SZ, text(L"abcd"), 20},
      {"string of one hundred characters", REG_SZ, text(std::wstring(100, L'9').c_str()), 20},
      {"eight-byte qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, 20},
      {"five bytes", REG_BINARY, {1, 2, 3, 4, 5}, 20},
      {"three bytes", REG_BINARY, {1, 2, 3}, 20},
      {"two bytes", REG_BINARY, {1, 2}, 20},
      {"one byte", REG_BINARY, {1}, 20},
      {"no bytes", REG_BINARY, {}, 20},
      {"three-byte dword", REG_DWORD, {7, 0, 0}, 20},
  };
  RegistryProfile profile = Profile(L"Menetkalk");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetRaw(L"Menetkalk", "COra", c.type, c.data);
    LastBattleSettings expected = kFirstRun;
    expected.arrivalHour = c.read;
    EXPECT_EQ(LoadLastBattle(profile), expected);
  }
}

TEST_F(RegistryProfileTest, DeletingOneValueMakesOnlyThatFieldFallBack) {
  RegistryProfile profile = Profile(L"Menetkalk");
  for (const LastBattleEntry& e : kLastBattleEntries) {
    SCOPED_TRACE(std::string(e.entry));
    SaveLastBattle(profile, kSample);
    DeleteRaw(L"Menetkalk", e.entry);
    LastBattleSettings expected = kSample;
    expected.*e.field = kFirstRun.*e.field;
    EXPECT_EQ(LoadLastBattle(profile), expected);
  }
}

// A key on the path that this user may open for reading but not for writing:
// reads give the defaults although values are stored, writes fail silently.
class DenyWritesTo {
 public:
  explicit DenyWritesTo(const std::wstring& path) : path_(path) {
    SetDacl(L"D:(D;;0x6;;;WD)(A;;KA;;;WD)");  // deny KEY_SET_VALUE | KEY_CREATE_SUB_KEY
  }
  ~DenyWritesTo() { SetDacl(L"D:(A;;KA;;;WD)"); }
  DenyWritesTo(const DenyWritesTo&) = delete;
  DenyWritesTo& operator=(const DenyWritesTo&) = delete;

 private:
  void SetDacl(const wchar_t* sddl) const {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &descriptor, nullptr));
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, WRITE_DAC, &key);
    if (status == ERROR_SUCCESS) {
      status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
      RegCloseKey(key);
    }
    LocalFree(descriptor);
    ASSERT_EQ(status, ERROR_SUCCESS);
  }
  std::wstring path_;
};

TEST_F(RegistryProfileTest, AKeyThatCannotBeOpenedGivesDefaultsAndSilentFailedWrites) {
  const std::wstring application = L"Menetkalk";
  const std::wstring lockedLevels[] = {CompanyPath(), ApplicationPath(application), SectionPath(application)};
  for (const std::wstring& locked : lockedLevels) {
    SCOPED_TRACE(std::string(locked.begin(), locked.end()));
    RegistryProfile profile = Profile(application);
    SaveLastBattle(profile, kSample);
    {
      DenyWritesTo deny(locked);
      EXPECT_EQ(LoadLastBattle(profile), kFirstRun);
      for (const LastBattleEntry& e : kLastBattleEntries) {
        EXPECT_FALSE(profile.WriteProfileInt(kLastBattleSection, e.entry, 1)) << e.entry;
      }
      SaveLastBattle(profile, kOther);
    }
    EXPECT_EQ(LoadLastBattle(profile), kSample);
  }
}

TEST_F(RegistryProfileTest, NamesThatWouldLandInAnotherKeyOrValueAreRefused) {
  const std::wstring emptyCompany;
  RegistryProfile noApplication = Profile(L"");
  RegistryProfile noCompany(emptyCompany, L"Menetkalk");
  EXPECT_FALSE(noApplication.WriteProfileInt("LastBattle", "COra", 1));
  EXPECT_FALSE(noCompany.WriteProfileInt("LastBattle", "COra", 1));
  EXPECT_EQ(noApplication.GetProfileInt("LastBattle", "COra", 20), 20);
  EXPECT_EQ(Counts(CompanyPath()), (KeyCounts{0, 0}));  // nothing beneath the company key

  RegistryProfile profile = Profile(L"Menetkalk");
  using namespace std::string_view_literals;
  EXPECT_FALSE(profile.WriteProfileInt("LastBattle", "CO\0ra"sv, 1));
  EXPECT_FALSE(profile.WriteProfileInt("LastBattle", "C\xF3ra", 1));
  EXPECT_FALSE(profile.WriteProfileInt("Last\0Battle"sv, "COra", 1));
  EXPECT_FALSE(profile.WriteProfileInt("", "COra", 1));
  ASSERT_TRUE(profile.WriteProfileInt("LastBattle", "CO", 7));
  EXPECT_EQ(profile.GetProfileInt("LastBattle", "CO\0ra"sv, 20), 20);
  EXPECT_EQ(Counts(SectionPath(L"Menetkalk")), (KeyCounts{0, 1}));
}

TEST(RunningApplicationName, IsThisTestProgramsFileName) {
  EXPECT_EQ(RunningApplicationName(), L"settings_registry_tests");
}

// The probe copied under another file name, run as its own process.
class RenamedProbe {
 public:
  RenamedProbe(const std::wstring& folder, const std::wstring& name) : path_(folder + L"\\" + name + L".exe") {
    EXPECT_TRUE(CopyFileW(ProbePath().c_str(), path_.c_str(), FALSE)) << GetLastError();
  }
  ~RenamedProbe() { DeleteFileW(path_.c_str()); }
  RenamedProbe(const RenamedProbe&) = delete;
  RenamedProbe& operator=(const RenamedProbe&) = delete;

  // The record the probe loaded; it saves toSave afterwards when given.
  std::optional<LastBattleSettings> Run(const std::wstring& company,
                                        const std::optional<LastBattleSettings>& toSave = std::nullopt) const {
    std::wstring commandLine = L"\"" + path_ + L"\" \"" + company + L"\"";
    if (toSave) {
      for (const LastBattleEntry& e : kLastBattleEntries) commandLine += L" " + std::to_wstring((*toSave).*e.field);
    }
    const std::wstring outputPath = path_ + L".out";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return std::nullopt;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(output);
    if (!started) return std::nullopt;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (exitCode != 0) return std::nullopt;
    return ReadRecord(outputPath);
  }

 private:
  static std::wstring ProbePath() {
    std::wstring self(MAX_PATH * 4, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return self.substr(0, self.find_last_of(L'\\')) + L"\\registry_probe.exe";
  }

  static std::optional<LastBattleSettings> ReadRecord(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string text(4096, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    DeleteFileW(path.c_str());
    if (!ok) return std::nullopt;
    text.resize(read);
    std::istringstream in(text);
    LastBattleSettings record;
    for (const LastBattleEntry& e : kLastBattleEntries) {
      if (!(in >> (record.*e.field))) return std::nullopt;
    }
    return record;
  }

  std::wstring path_;
};

class TempFolder {
 public:
  explicit TempFolder(const std::wstring& name) {
    std::wstring temp(MAX_PATH + 1, L'\0');
    temp.resize(GetTempPathW(static_cast<DWORD>(temp.size()), temp.data()));
    path_ = temp + name;
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() { RemoveDirectoryW(path_.c_str()); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

TEST_F(RegistryProfileTest, AnExecutableUnderAnotherFileNameUsesAnotherKey) {
  // What the program left under its usual name.
  RegistryProfile menetkalk = Profile(L"Menetkalk");
  SaveLastBattle(menetkalk, kSample);

  TempFolder folder(L"menetkalk-renamed-probe");
  const RenamedProbe asMenetkalk(folder.path(), L"Menetkalk");
  const RenamedProbe renamed(folder.path(), L"MenetkalkCopy");

  EXPECT_EQ(asMenetkalk.Run(company_), kSample);
  EXPECT_EQ(renamed.Run(company_, kOther), kFirstRun);  // starts from the defaults
  EXPECT_EQ(renamed.Run(company_), kOther);             // and reads back what it wrote

  EXPECT_EQ(Counts(SectionPath(L"MenetkalkCopy")), (KeyCounts{0, 10}));
  EXPECT_EQ(LoadLastBattle(menetkalk), kSample);  // the old key untouched
  EXPECT_EQ(Counts(SectionPath(L"Menetkalk")), (KeyCounts{0, 10}));
  EXPECT_EQ(Counts(CompanyPath()), (KeyCounts{2, 0}));
}

}  // namespace
}  // namespace menetkalk
