#pragma once

#include "sales/SaleSaver.h"
#include "stockops/DeliverySaver.h"

// The operations of the cash register that documents write for themselves:
// a new goods note an income operation of its total, a new delivery an
// expense operation (paid at once when "плащане до:" is ticked), each in the
// document's own save, so that the document and its operation are stored or
// refused together. A document has at most one such operation of its kind;
// a stored document written again brings its operation's date, due date and
// partner along.
namespace CashLinks {

// For a sale's save: the goods note of codes 1, 2, 4 and 10; a credit
// note's goods note (a refund) writes none.
SaleSaveGroup GoodsNoteOperation();
// For a sale's save: a new credit note paid in cash returns money, an
// expense operation of its total, linked to the credit note in a table of
// its own (created when first needed), since `based_on_doc_id` of an expense
// names a delivery.
SaleSaveGroup CreditNoteOperation();
// For a delivery's save.
DeliverySaveGroup DeliveryOperation();

} // namespace CashLinks
