// The line and the catalogue against a scripted port: how replies are put
// together from notifications, the wake-up, the identification, and the
// device tree the listing builds, with every failure's message.
#include "catalogue.h"
#include "fakes.h"
#include "messages.h"

#include <gtest/gtest.h>

using namespace stationmate;
using namespace stationmate::testing;
using namespace std::chrono_literals;

namespace {

class LinkTest : public ::testing::Test {
protected:
    LinkTest() { link.SetReplyTimeout(300ms); }
    ScriptedPort port;
    ScriptedPrompter prompter;
    InstrumentLink link{port, prompter};
};

TEST_F(LinkTest, ReplyIsEverythingUpToTheNotificationWithCrLf)
{
    port.answer = [](const std::string&) { return std::vector<std::string>{"0182", "/0031\r\nXY"}; };
    ASSERT_TRUE(link.OpenInstrumentPort());
    std::string reply;
    ASSERT_TRUE(link.SendCommand("CONF/182\r\n", reply));
    // The bytes after CR LF in the same notification belong to this reply.
    EXPECT_EQ(reply, "0182/0031\r\nXY");
}

TEST_F(LinkTest, PartialLineBecomesTheHeadOfTheNextReplyAcrossAClose)
{
    port.answer = [](const std::string& c) {
        if (c == "one\r\n") return std::vector<std::string>{"first\r\n", "part"};
        return std::vector<std::string>{"ial\r\n"};
    };
    ASSERT_TRUE(link.OpenInstrumentPort());
    std::string reply;
    ASSERT_TRUE(link.SendCommand("one\r\n", reply));
    EXPECT_EQ(reply, "first\r\n");
    link.PumpOneMessage(); // "part" arrives after the reply was taken
    link.ClosePort();
    ASSERT_TRUE(link.OpenInstrumentPort());
    ASSERT_TRUE(link.SendCommand("two\r\n", reply));
    EXPECT_EQ(reply, "partial\r\n");
}

TEST_F(LinkTest, ReplyArrivingUnaskedWaitsForTheNextCommandAndZeroBytesAreDropped)
{
    ASSERT_TRUE(link.OpenInstrumentPort());
    port.deliverNow(std::string("ol", 2) + std::string(1, '\0') + "d\r\n");
    port.deliverNow("newer\r\n"); // replaces the one not yet taken
    std::string reply;
    ASSERT_TRUE(link.SendCommand("x\r\n", reply));
    EXPECT_EQ(reply, "newer\r\n");
    port.deliverNow(std::string("a\0b\r\n", 5));
    ASSERT_TRUE(link.SendCommand("y\r\n", reply));
    EXPECT_EQ(reply, "ab\r\n");
}

TEST_F(LinkTest, TimeOutClosesThePort)
{
    ASSERT_TRUE(link.OpenInstrumentPort());
    std::string reply = "unchanged";
    EXPECT_FALSE(link.SendCommand("CONF/182\r\n", reply));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(reply, "unchanged");
}

TEST_F(LinkTest, OpeningUsesPortNumberAndSettingsAndDropsWaitingInput)
{
    link.SetPortNumber(7);
    link.SetPortSettings("9600,e,7,2");
    ASSERT_TRUE(link.OpenInstrumentPort());
    EXPECT_EQ(port.selected, 7);
    EXPECT_EQ(port.appliedSettings, "9600,e,7,2");
    EXPECT_EQ(port.discards, 1);
    port.failOpen = true;
    EXPECT_FALSE(link.OpenInstrumentPort());
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"COM7: no such port"}));
}

TEST_F(LinkTest, WakeUpRepeatsEachStageUntilReady)
{
    int aCount = 0;
    port.answer = [&](const std::string& c) {
        if (c == "a\r\n") return std::vector<std::string>{++aCount < 3 ? "E\r\n" : "?\r\n"};
        return std::vector<std::string>{"?\r\n"};
    };
    ASSERT_TRUE(link.OpenInstrumentPort());
    ASSERT_TRUE(link.ConnectInstrument());
    EXPECT_EQ(port.written, (std::vector<std::string>{"a\r\n", "a\r\n", "a\r\n", "c\r\n"}));
}

TEST_F(LinkTest, WakeUpFailsOnSilenceAndOnEndlessWrongAnswers)
{
    ASSERT_TRUE(link.OpenInstrumentPort());
    EXPECT_FALSE(link.ConnectInstrument());
    EXPECT_FALSE(port.IsOpen());

    port.answer = [](const std::string&) { return std::vector<std::string>{"busy\r\n"}; };
    ASSERT_TRUE(link.OpenInstrumentPort());
    EXPECT_FALSE(link.ConnectInstrument()) << "must not ask forever";
    EXPECT_FALSE(port.IsOpen());
}

TEST(LinkSerial, SerialNumberRule)
{
    EXPECT_EQ(InstrumentLink::SerialFromReply("13....+00012345\r\n"), "12345\r\n");
    EXPECT_EQ(InstrumentLink::SerialFromReply("0012345 rest\r\n"), "12345 rest\r\n");
    EXPECT_EQ(InstrumentLink::SerialFromReply("+000\r\n"), "\r\n");
    EXPECT_EQ(InstrumentLink::SerialFromReply("+0000"), "");
}

TEST_F(LinkTest, IdentificationShowsUnexpectedRepliesAndGoesOn)
{
    ListingScript script;
    script.conf182 = "0182/0032\r\n";
    port.answer = std::ref(script);
    ASSERT_TRUE(link.OpenInstrumentPort());
    std::optional<std::string> serial = link.Identify();
    ASSERT_TRUE(serial);
    EXPECT_EQ(*serial, "12345\r\n");
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"0182/0032\r\n"}));
}

TEST_F(LinkTest, IdentificationTimeOutSaysSo)
{
    port.answer = [](const std::string& c) {
        return c == "CONF/182\r\n" ? std::vector<std::string>{"0182/0031\r\n"} : std::vector<std::string>{};
    };
    ASSERT_TRUE(link.OpenInstrumentPort());
    EXPECT_FALSE(link.Identify());
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"Time Out"}));
    EXPECT_FALSE(port.IsOpen());
}

// ---- Catalogue ----------------------------------------------------------------

TEST(CatalogueRecords, CuttingAndTitles)
{
    EXPECT_EQ(RecordsOf("A,1\r\nB,2\r\n\x1A\r\n"), (std::vector<std::string>{"A,1", "B,2"}));
    // A list that is only its end marker, followed by the one "?" reply, has
    // no record.
    EXPECT_TRUE(RecordsOf("\x1A\r\n\x1A\r\n").empty());
    EXPECT_TRUE(RecordsOf("\x1A\r\n").empty());
    EXPECT_EQ(CodeListTitle("TPSCodeList,1,12"), "Codelist 1: TPSCodeList: 12");
    EXPECT_EQ(JobTitle(",3,0,0"), "Job 3: <empty>");
    EXPECT_EQ(JobTitle("NORTH,2,120,40"), "Job 2: NORTH");
    EXPECT_EQ(AlignmentTitle("Hal ", "ROAD1,2"), "Hal 2: ROAD1: ");
    EXPECT_EQ(AlignmentTitle("Val ", "V,1,7"), "Val 1: V: 7");
    EXPECT_EQ(FixpointsTitle("0"), "Fixpoints: 0 Blocks");
    EXPECT_EQ(MeasurementsTitle("9"), "Measurement Data: 9 Blocks");
}

class CatalogueTest : public LinkTest {
protected:
    CatalogueTest()
    {
        port.answer = std::ref(script);
        script.lists["CODE/CONF/LIST\r\n"] = {"TPSCodeList,1,12"};
        script.lists["JOB/CONF/LIST\r\n"] = {"NORTH,1,120,40", ",2,0,0"};
        script.lists["FORM/CONF/LIST\r\n"] = {"GSI16,1"};
        script.lists["HAL/CONF/LIST\r\n"] = {"ROAD1,2"};
        script.lists["VAL/CONF/LIST\r\n"] = {};
        link.SetPortNumber(3);
    }

    std::vector<std::string> titles(const DeviceNode& n)
    {
        std::vector<std::string> out;
        for (const auto& c : n.Children()) out.push_back(c->Title());
        return out;
    }

    ListingScript script;
    CountingWait wait;
    DeviceTree tree;
    Catalogue catalogue{link, prompter, wait};
};

TEST_F(CatalogueTest, ListingBuildsTheTree)
{
    DeviceNode& port3 = tree.AddPort(3);
    catalogue.OnExpanding(port3, false);
    EXPECT_FALSE(catalogue.RefreshPending());
    EXPECT_EQ(catalogue.ListedPortNode(), &port3);
    EXPECT_EQ(wait.shown, 1);
    EXPECT_EQ(wait.hidden, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(port3.Title(), "COM3: 12345\r\n");
    EXPECT_EQ(titles(port3), (std::vector<std::string>{"CodeLists", "Jobs", "Formats", "RoadHals", "RoadVals"}));
    EXPECT_EQ(titles(*port3.Children()[0]), (std::vector<std::string>{"Codelist 1: TPSCodeList: 12"}));
    const DeviceNode& jobs = *port3.Children()[1];
    EXPECT_EQ(titles(jobs), (std::vector<std::string>{"Job 1: NORTH", "Job 2: <empty>"}));
    EXPECT_EQ(titles(*jobs.Children()[0]),
              (std::vector<std::string>{"Fixpoints: 120 Blocks", "Measurement Data: 40 Blocks"}));
    EXPECT_EQ(jobs.Children()[0]->Image(), kImageFolder);
    EXPECT_EQ(jobs.Children()[0]->OpenImage(), kImageFolderOpen);
    EXPECT_TRUE(port3.Children()[2]->Children().empty()) << "formats are read, not shown";
    EXPECT_EQ(titles(*port3.Children()[3]), (std::vector<std::string>{"Hal 2: ROAD1: "}));
    EXPECT_TRUE(port3.Children()[4]->Children().empty());
    EXPECT_FALSE(port.IsOpen()) << "the port is closed after the listing";
    // The empty vertical list was answered with the marker at once, then one "?".
    EXPECT_EQ(port.written.back(), "?\r\n");

    // Later expansions show what is there; Update makes the next one list again.
    port.written.clear();
    catalogue.OnExpanding(port3, false);
    EXPECT_TRUE(port.written.empty());
    EXPECT_TRUE(catalogue.Update());
    EXPECT_EQ(titles(port3), (std::vector<std::string>{"<EMPTY>"}));
    EXPECT_TRUE(catalogue.RefreshPending());
}

TEST_F(CatalogueTest, FailuresAndTheirMessages)
{
    DeviceNode& port3 = tree.AddPort(3);
    port.failOpen = true;
    catalogue.OnExpanding(port3, false);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"COM3: no such port", "Port initial failed"}));
    EXPECT_TRUE(catalogue.RefreshPending());
    EXPECT_EQ(titles(port3), (std::vector<std::string>{"<EMPTY>"}));

    port.failOpen = false;
    prompter.messages.clear();
    port.answer = [](const std::string&) { return std::vector<std::string>{}; };
    catalogue.OnExpanding(port3, false);
    EXPECT_EQ(prompter.messages, (std::vector<std::string>{"connect failed"}));
    EXPECT_EQ(port3.Title(), "COM3");

    // Silence at the code-list command: "Time Out"; at a later list: nothing.
    for (const char* silentAt : {"CODE/CONF/LIST\r\n", "HAL/CONF/LIST\r\n"}) {
        SCOPED_TRACE(silentAt);
        prompter.messages.clear();
        port.answer = [&, silentAt](const std::string& c) {
            return c == silentAt ? std::vector<std::string>{} : script(c);
        };
        catalogue.OnExpanding(port3, false);
        EXPECT_TRUE(catalogue.RefreshPending());
        EXPECT_FALSE(port.IsOpen());
        if (std::string(silentAt) == "CODE/CONF/LIST\r\n") {
            EXPECT_EQ(prompter.messages, (std::vector<std::string>{"Time Out"}));
            EXPECT_EQ(titles(port3), (std::vector<std::string>{"CodeLists"}));
        } else {
            EXPECT_TRUE(prompter.messages.empty());
            EXPECT_EQ(titles(port3), (std::vector<std::string>{"CodeLists", "Jobs", "Formats", "RoadHals"}));
        }
    }
}

} // namespace
