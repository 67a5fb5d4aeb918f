// Linked with one floor of the program whole and with nothing but the floors below it: the
// link fails when the floor uses anything from a floor above.
int main()
{
    return 0;
}
