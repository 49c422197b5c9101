#include "imports/vcard_reader.h"

#include <gtest/gtest.h>

#include <fstream>


namespace tessolar {
namespace {

constexpr char kPngBase64[] = "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAAAAAA6fptVAAAACklEQVR4nGNgAAAAAgAB";

std::vector<VCardPerson> Read(const std::string& text) {
  std::vector<VCardPerson> people;
  UserText error;
  EXPECT_TRUE(ReadVCards(text, &people, &error)) << English(error);
  return people;
}

std::string Card(const std::string& version, const std::string& body) {
  return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

TEST(VCardReader, ReadsNamesAndDatesOfEachVersion) {
  struct Case {
    std::string text, name;
    int bYear, bMonth, bDay, aYear;
  } cases[] = {
      {Card("2.1", "N:Berg;Anna;;Dr.;\r\nBDAY:19800312\r\n"), "Dr. Anna Berg", 1980, 3, 12, -1},
      {Card("2.1", "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:J=F6rg=\r\n M=FCller\r\nBDAY:1975-01-02\r\n"),
       "Jörg Müller", 1975, 1, 2, -1},
      {Card("2.1", "FN;CHARSET=UTF-8;QUOTED-PRINTABLE:Ren=C3=A9e\r\nBDAY:--0704\r\n"), "Renée", 0, 7, 4, -1},
      {Card("3.0", "FN:Anna\r\n  Berg\r\nBDAY:1990-03-14T00:00:00Z\r\nX-ANNIVERSARY:2015-06-20\r\n"),
       "Anna Berg", 1990, 3, 14, 2015},
      {Card("3.0", "FN:Smith\\, John\r\nitem1.BDAY;VALUE=date:--12-24\r\n"), "Smith, John", 0, 12, 24, -1},
      {Card("4.0", "FN:Zoë\r\nBDAY:--0229\r\nANNIVERSARY:20100704T120000Z\r\n"), "Zoë", 0, 2, 29, 2010},
      {Card("4.0", "N:Ode;Ola;;;\r\nBDAY:1604-05-06\r\n"), "Ola Ode", 0, 5, 6, -1},
  };
  for (const Case& c : cases) {
    const auto people = Read(c.text);
    ASSERT_EQ(people.size(), 1u) << c.text;
    EXPECT_EQ(people[0].name, c.name);
    EXPECT_TRUE(people[0].birthday.readable) << c.text;
    EXPECT_EQ(people[0].birthday.year, c.bYear) << c.text;
    EXPECT_EQ(people[0].birthday.month, c.bMonth);
    EXPECT_EQ(people[0].birthday.day, c.bDay);
    EXPECT_EQ(people[0].anniversary.present ? people[0].anniversary.year : -1, c.aYear);
  }
  EXPECT_EQ(Read(Card("3.0", "FN:A\r\n") + "\n" + Card("4.0", "FN:B\r\n") + Card("2.1", "FN:C\r\n")).size(), 3u);
}

TEST(VCardReader, ReadsPhotosInlineAndByFile) {
  const std::string png = ::testing::TempDir() + "/face.png";
  {
    UserText unused;
    std::vector<VCardPerson> people;
    ASSERT_TRUE(ReadVCards(Card("4.0", std::string("FN:x\r\nPHOTO:data:image/png;base64,") + kPngBase64 + "\r\n"),
                           &people, &unused));
    std::ofstream(png, std::ios::binary) << people[0].photo.bytes;
  }
  struct Case {
    std::string photoLine, problem;
  } cases[] = {
      {std::string("PHOTO;ENCODING=BASE64;TYPE=PNG:\r\n ") + kPngBase64 + "\r\n\r\n", ""},
      {std::string("PHOTO;ENCODING=b;TYPE=PNG:") + kPngBase64 + "\r\n", ""},
      {"PHOTO;VALUE=uri:file://" + png + "\r\n", ""},
      {"PHOTO;ENCODING=b:aGVsbG8gd29ybGQ=\r\n", "not a JPEG, PNG or GIF"},
      {"PHOTO;ENCODING=b:!!!!\r\n", "Base64 is broken"},
      {"PHOTO:https://example.org/a.jpg\r\n", "neither in the card nor a local file"},
      {"PHOTO:file:///nonexistent/a.jpg\r\n", "cannot be read"},
      {"PHOTO:file:///dev/zero\r\n", "cannot be read"},
      {"PHOTO:file://host\r\n", "cannot be read"},  // a host and no path
  };
  for (const Case& c : cases) {
    const auto people = Read(Card("3.0", "FN:x\r\n" + c.photoLine));
    ASSERT_EQ(people.size(), 1u);
    const std::string problem = English(people[0].photo.problem);
    EXPECT_NE(problem.find(c.problem), std::string::npos) << c.photoLine << " -> " << problem;
    EXPECT_EQ(people[0].photo.extension, c.problem.empty() ? "png" : "");
    EXPECT_EQ(people[0].photo.bytes.empty(), !c.problem.empty());
  }
}

}  // namespace
}  // namespace tessolar
