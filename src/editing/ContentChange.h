#pragma once

#include <memory>
#include <vector>

struct NetworkContent;

// What one edit changed in a network's content, and nothing else: for each
// list of records or values the edit touched, the stretch between the
// entries it left alike at the front and at the back; for each other member,
// its value if the edit changed it. The change holds the side that is not in
// the network: made after an edit it holds the content before, and
// exchanging it with the network turns the network back and the change into
// its inverse, so the same call undoes and redoes.
class ContentChange {
public:
    ContentChange();
    ~ContentChange();
    ContentChange(ContentChange&&) noexcept;
    ContentChange& operator=(ContentChange&&) noexcept;

    // The change from before to after; takes the records that differ out of
    // before, which is left partly moved from.
    static ContentChange Between(NetworkContent&& before, const NetworkContent& after);

    // Puts what the change holds into the content and keeps what it
    // replaced. The content must be the one the change was made against (or
    // last exchanged with).
    void ExchangeWith(NetworkContent& content);

    class MemberChange;

private:
    std::vector<std::unique_ptr<MemberChange>> m_members;
};
