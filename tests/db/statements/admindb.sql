-- phone book entry: list all contacts (entry window list)
 Select * from tab_PhoneBook 
GO
-- phone book entry: find by key before saving a new contact
SELECT * FROM tab_PhoneBook Where StationCode='KWD' and  BranchName='SALMIYA'
GO
-- phone book entry: read one contact for editing
 Select * from tab_PhoneBook Where StationCode='KWD' and  BranchName='SALMIYA'
GO
-- phone book entry: insert a new contact
 Insert INTO tab_PhoneBook (StationCode,StationName,BranchName,PersonName,Designation,BrAddress1 ,  BrAddress2,BrAddress3,PinCode,CellNo,FaxNo,DOTNo,Email1,Email2,Email3,CreateUser,CreateDate ) VALUES  ('KWD','KUWAIT','FAHAHEEL','AHMED RASHID','BRANCH MANAGER','BLOCK 10 SALEM AL MUBARAK ST','NEAR AL FANAR''S MALL','FAHAHEEL','22001','96551234567','22251234','22256789','fahaheel@quorvel.example','','','RAVI','2026-06-15 10:40:12')
GO
-- phone book entry: replace an existing contact of the entered key (New mode, user agreed)
UPDATE tab_PhoneBook SET StationCode='KWD',StationName='KUWAIT',BranchName='FAHAHEEL',PersonName='FAISAL OMAR',Designation='BRANCH INCHARGE',BrAddress1='BLOCK 10 SALEM AL MUBARAK ST',BrAddress2='NEAR AL FANAR MALL',Braddress3='FAHAHEEL',PinCode='22001',CellNo='96557654321',FaxNo='22251234',DOTNo='22256789',Email1='fahaheel@quorvel.example',Email2='ops.fahaheel@quorvel.example',Email3='',MachineId='RAVI',ModiUser='RAVI',ModiDate='2026-06-15 10:42:30' where stationCode='KWD' and BranchName='FAHAHEEL'
GO
-- phone book entry: update a loaded contact in Edit mode (key may change)
Update tab_PhoneBook set stationCode='KWD',StationName='KUWAIT',BranchName='FAHAHEEL BLOCK 3',PersonName='FAISAL OMAR',Designation='BRANCH INCHARGE',BrAddress1='BLOCK 12 HAMAD AL MUBARAK ST',BrAddress2='OPP CO-OP SOCIETY',BrAddress3='FAHAHEEL',PinCode='22002',CellNo='96557654321',FaxNo='',DOTNo='22256790',Email1='fahaheel@quorvel.example',Email2='',Email3='',ModiUser='RAVI',ModiDate='2026-06-15 10:45:03' where stationCode='KWD' and BranchName='FAHAHEEL'
GO
-- phone book entry: delete the selected contact
 Delete From tab_PhoneBook Where StationCode='KWD' and  BranchName='FAHAHEEL BLOCK 3'
GO
-- phone book look-up: station codes for the look-up window
 Select Distinct StationCode from tab_PhoneBook order by StationCode
GO
-- phone book look-up: branch names of the chosen station
 Select Distinct BranchName from tab_PhoneBook where StationCode='KWD' Order By BranchName
GO
-- phone book look-up: branch names with no station chosen (empty code)
 Select Distinct BranchName from tab_PhoneBook where StationCode='' Order By BranchName
GO
-- phone book look-up: contacts of the station and branch (all filters)
 Select * from tab_PhoneBook Where StationCode='KWD' And  BranchName='SALMIYA'
GO
-- phone book look-up: contacts of the station, no branch chosen (no optional filter)
 Select * from tab_PhoneBook Where StationCode='KWD'
GO
-- phone book look-up: the chosen contact for the detail labels
 Select * from tab_PhoneBook where StationCode='KWD' and  BranchName='SALMIYA'
GO
