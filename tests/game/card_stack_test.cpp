// The card in the child's hand is drawn over every other card, caption included; let go, it
// stays over the cards it lies on; a press where cards overlap takes the one in sight. Every
// ordered pair of cards, in each game.
#include "card_stack.h"
#include "main_scene_fixture.h"
#include "phrase_fixture.h"

using card_stack::DrawnOver;

namespace {

// Every card back home, as the board dealt it.
void Home(const ListeEtiquettes& cards) {
    for (const auto& card : cards) {
        if (card) {
            card->x = card->origineX;
            card->y = card->origineY;
            card->PlaceLegende();
        }
    }
}

// A point of the card that no other shown card reaches, where a press can only take it; its
// centre when there is none.
std::pair<float, float> OnlyOn(const ListeEtiquettes& cards, const iGuiEtiquette& card) {
    const auto reaches = [](const iGuiEtiquette& c, float px, float py) {
        return c.status == 1 && std::abs(px - c.x) < c.Width() / 2 + 8 &&
               std::abs(py - c.y) < c.Height() / 2 + 8;
    };
    for (float fy : {0.0f, -0.3f, 0.3f}) {
        for (float fx : {0.0f, -0.4f, 0.4f, -0.2f, 0.2f}) {
            const float px = card.x + fx * card.Width();
            const float py = card.y + fy * card.Height();
            if (std::none_of(cards.begin(), cards.end(), [&](const auto& other) {
                    return other && other.get() != &card && reaches(*other, px, py);
                })) {
                return {px, py};
            }
        }
    }
    return {card.x, card.y};
}

// Every ordered pair of two cards among the first n.
template <class Visit> void EveryPair(int n, Visit visit) {
    for (int held = 0; held < n; ++held) {
        for (int other = 0; other < n; ++other) {
            if (held != other) {
                visit(held, other);
            }
        }
    }
}

} // namespace

class CardStackTest : public MainSceneTest {
  protected:
    // Card `held` taken from where it lies and carried onto `other`, a little off its centre so
    // that both show; checked while held, once let go, and pressed again where both lie.
    void Carry(const ListeEtiquettes& cards, int held, int other, bool staysWhereLetGo) {
        SCOPED_TRACE(testing::Message() << "card " << held << " onto card " << other);
        iGuiEtiquette& h = *cards[static_cast<std::size_t>(held)];
        const iGuiEtiquette& o = *cards[static_cast<std::size_t>(other)];
        const float toX = o.x + 14;
        const float toY = o.y + 6;
        const auto [fromX, fromY] = OnlyOn(cards, h);
        Hold(fromX, fromY, toX, toY);
        EXPECT_EQ(scene->indiceSaisie, held);
        Frame();
        EXPECT_TRUE(DrawnOver(graphics, held, other)) << "while held";
        Release();
        Step(2);
        if (!staysWhereLetGo) {
            return;
        }
        Frame();
        EXPECT_TRUE(DrawnOver(graphics, held, other)) << "once let go";
        // Pressed where both lie: the card in sight comes.
        Press();
        Step();
        EXPECT_EQ(scene->indiceSaisie, held);
        Release();
        Step(2);
        Frame();
        EXPECT_TRUE(DrawnOver(graphics, held, other)) << "pressed again";
    }
};

TEST_F(CardStackTest, WordOrderCardsEveryPairBothWays) {
    // Clauses, noun groups and adjectives: a sentence of twelve words.
    queok = expansiongn1ok = expansiongn2ok = adjectifsok = codok = 2;
    Open(2, 0, 0, 2, 1134, 680, 24);
    EnPlace();
    const ListeEtiquettes& words = scene->etiquettesMots;
    ASSERT_EQ(words.size(), 12u);
    card_stack::Mark(words);
    EveryPair(static_cast<int>(words.size()), [&](int held, int other) {
        Home(words);
        Carry(words, held, other, true);
    });
}

TEST_F(CardStackTest, SentenceCardsEveryPairBothWays) {
    // One terrain: a card stays where it is let go.
    Open(0, 0, 3);
    EnPlace();
    card_stack::Mark(scene->etiquettes);
    EveryPair(4, [&](int held, int other) {
        Home(scene->etiquettes);
        Carry(scene->etiquettes, held, other, true);
    });
    // Four terrains: a card let go on another's place takes it; held, it is over the other.
    Open(0, 3, 3);
    EnPlace();
    card_stack::Mark(scene->etiquettes);
    EveryPair(4, [&](int held, int other) { Carry(scene->etiquettes, held, other, false); });
}

class BuildCardStackTest : public PhraseTest {
  protected:
    // Card `held` of one list carried over card `other` of either list, then let go away from
    // the frame (a bank card goes home, a frame card leaves the sentence).
    void Carry(iGuiEtiquette& h, int heldMark, const iGuiEtiquette& o, int otherMark) {
        SCOPED_TRACE(testing::Message() << "card " << heldMark << " onto card " << otherMark);
        PointOnCanvas(h.x, h.y);
        Press();
        Step();
        PointOnCanvas(o.x + 14, o.y + 6);
        Step(3);
        Frame();
        EXPECT_TRUE(DrawnOver(graphics, heldMark, otherMark)) << "while held";
        Release();
        Step(2);
    }
};

TEST_F(BuildCardStackTest, BankAndFrameCardsEveryPairBothWays) {
    const ListeEtiquettes& bank = scene->etiquettes;
    // Cards from every row of the bank, first and last included.
    std::vector<int> picked;
    const int n = static_cast<int>(bank.size());
    ASSERT_GE(n, 10);
    for (int k = 0; k < 10; ++k) {
        picked.push_back(k * (n - 1) / 9);
    }
    card_stack::Mark(bank);
    EveryPair(static_cast<int>(picked.size()), [&](int a, int b) {
        const int held = picked[static_cast<std::size_t>(a)];
        const int other = picked[static_cast<std::size_t>(b)];
        Carry(*bank[static_cast<std::size_t>(held)], held, *bank[static_cast<std::size_t>(other)],
              other);
    });

    // Three words in the frame: each carried over the other words and over a bank card, and a
    // bank card carried over each word; the frame is laid again before each.
    constexpr int FrameMarks = 150;
    const auto fresh = [&] {
        scene->Efface();
        Step();
        Append({u"perso_dame_f", u"po_regarder", u"perso_monsieur_m"});
        ASSERT_EQ(scene->nombrePlacees, 3);
        card_stack::Mark(bank);
        card_stack::Mark(scene->etiquettesMots, FrameMarks);
    };
    EveryPair(3, [&](int word, int other) {
        fresh();
        Carry(Slot(word), FrameMarks + word, Slot(other), FrameMarks + other);
    });
    for (int word = 0; word < 3; ++word) {
        fresh();
        Carry(Slot(word), FrameMarks + word, *bank[0], 0);
        fresh();
        Carry(*bank[static_cast<std::size_t>(n - 1)], n - 1, Slot(word), FrameMarks + word);
    }
}
